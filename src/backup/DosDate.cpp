#include "backup/DosDate.h"

namespace ked::backup {

std::uint32_t PackDosDate(std::time_t when) {
  std::tm t{};
  if (!localtime_r(&when, &t)) return (1u << 21) | (1u << 16);
  const int year = t.tm_year + 1900;
  if (year < 1980) return (1u << 21) | (1u << 16);  // 1980-01-01 00:00:00
  if (year > 2107) return 0xFF9FBF7Du;              // 2107-12-31 23:59:58
  return static_cast<std::uint32_t>(year - 1980) << 25 |
         static_cast<std::uint32_t>(t.tm_mon + 1) << 21 |
         static_cast<std::uint32_t>(t.tm_mday) << 16 |
         static_cast<std::uint32_t>(t.tm_hour) << 11 |
         static_cast<std::uint32_t>(t.tm_min) << 5 |
         static_cast<std::uint32_t>(t.tm_sec / 2);
}

std::optional<std::time_t> UnpackDosDate(std::uint32_t packed) {
  std::tm t{};
  t.tm_year = static_cast<int>(packed >> 25) + 80;
  t.tm_mon = static_cast<int>((packed >> 21) & 0x0F) - 1;
  t.tm_mday = static_cast<int>((packed >> 16) & 0x1F);
  t.tm_hour = static_cast<int>((packed >> 11) & 0x1F);
  t.tm_min = static_cast<int>((packed >> 5) & 0x3F);
  t.tm_sec = static_cast<int>(packed & 0x1F) * 2;
  t.tm_isdst = -1;
  if (t.tm_mon < 0 || t.tm_mon > 11 || t.tm_mday < 1 || t.tm_hour > 23 || t.tm_min > 59 ||
      t.tm_sec > 59)
    return std::nullopt;
  const std::tm asked = t;
  const std::time_t when = std::mktime(&t);
  if (when == static_cast<std::time_t>(-1)) return std::nullopt;
  // mktime carries 31 February into March: such a date is refused.
  if (t.tm_mday != asked.tm_mday || t.tm_mon != asked.tm_mon) return std::nullopt;
  return when;
}

}  // namespace ked::backup
