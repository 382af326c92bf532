#pragma once
// Damaged contents that a user, a download or a disk can give a program file.
#include <random>
#include <string>
#include <vector>

namespace ked::test {

inline std::string RandomBytes(size_t size, unsigned seed) {
  std::mt19937 gen(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(gen() & 0xFF);
  return bytes;
}

struct BadContent {
  const char* what;
  std::string bytes;
};

// Empty, binary, NULs, huge, and the sound text cut short at a few places.
inline std::vector<BadContent> BadContents(const std::string& sound) {
  std::vector<BadContent> cases = {
      {"empty", ""},
      {"random bytes", RandomBytes(4096, 7)},
      {"NULs", std::string(4096, '\0')},
      {"5 MB of noise", RandomBytes(5 << 20, 8)},
      {"5 MB on one line", std::string(5 << 20, '7')},
      {"lone CRs", std::string(2000, '\r')},
  };
  for (size_t cut : {size_t(1), sound.size() / 3, sound.size() / 2, sound.size() - 1})
    if (cut < sound.size()) cases.push_back({"cut short", sound.substr(0, cut)});
  std::string nuls = sound;
  for (size_t i = 3; i < nuls.size(); i += 11) nuls[i] = '\0';
  cases.push_back({"NULs inside", nuls});
  return cases;
}

}  // namespace ked::test
