#pragma once
// File dates packed the DOS way, in local time: bits 31-25 year - 1980,
// 24-21 month, 20-16 day, 15-11 hour, 10-5 minute, 4-0 seconds / 2.
#include <cstdint>
#include <ctime>
#include <optional>

namespace ked::backup {

// Dates before 1980 or after 2107 cannot be packed: they are brought to the
// nearest end of the range. Odd seconds go down to the even second below.
std::uint32_t PackDosDate(std::time_t when);
// Nothing when the packed fields are no calendar date and time.
std::optional<std::time_t> UnpackDosDate(std::uint32_t packed);

}  // namespace ked::backup
