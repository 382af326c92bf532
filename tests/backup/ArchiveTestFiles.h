#pragma once
// File contents and file handling shared by the archive tests.
#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#include <random>
#include <string>

#include "platform/FileIO.h"

namespace ked::backup::test {

inline std::string RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 rng(seed);
  std::string s(size, '\0');
  for (char& c : s) c = static_cast<char>(rng() & 0xFF);
  return s;
}

inline std::string RepeatedBytes(std::size_t size, char c = 'x') { return std::string(size, c); }

// Text-like bytes: compressible, but not trivially.
inline std::string TextBytes(std::size_t size, unsigned seed) {
  static const char* words[] = {"arbitre ", "appel ", "donne ", "table ", "\r\n", "équipe "};
  std::mt19937 rng(seed);
  std::string s;
  while (s.size() < size) s += words[rng() % 6];
  s.resize(size);
  return s;
}

inline void Write(const std::string& path, const std::string& bytes) {
  if (!WriteFileBytes(path, bytes)) throw std::runtime_error("cannot write " + path);
}

inline std::string Read(const std::string& path) { return ReadFileBytes(path).value_or("<absent>"); }

inline void SetModified(const std::string& path, std::time_t when) {
  const timespec times[2] = {{when, 0}, {when, 0}};
  utimensat(AT_FDCWD, path.c_str(), times, 0);
}

inline std::time_t Modified(const std::string& path) {
  struct stat st{};
  stat(path.c_str(), &st);
  return st.st_mtime;
}

}  // namespace ked::backup::test
