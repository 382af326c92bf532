#pragma once
// Packed DOS dates are local time: tests pin the time zone they depend on.
#include <stdlib.h>
#include <time.h>

#include <string>

namespace ked::backup::test {

// Paris rules, spelt the POSIX way so that no zone database is needed.
inline constexpr const char* kParisZone = "CET-1CEST,M3.5.0,M10.5.0/3";

class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = getenv("TZ")) saved_ = old, hadOne_ = true;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (hadOne_) setenv("TZ", saved_.c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }

 private:
  std::string saved_;
  bool hadOne_ = false;
};

inline time_t Utc(int year, int month, int day, int hour, int minute, int second) {
  tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return timegm(&t);
}

}  // namespace ked::backup::test
