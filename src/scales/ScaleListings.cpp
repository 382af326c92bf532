#include "scales/ScaleListings.h"

#include "scales/GanaTimes.h"
#include "scales/VpScale.h"

namespace ked {

std::string VpLine(int deals, int imps, const LocaleFormat& locale) {
  const int margin = VpMargin(static_cast<uint8_t>(deals), static_cast<uint8_t>(imps));
  return WinnerVp(margin, locale) + " " + LoserVp(margin, locale);
}

std::string VpScaleListing(int deals, const LocaleFormat& locale) {
  std::string out;
  for (int i = 0; i < kVpScaleRows; ++i)
    out += std::to_string(i) + " " + VpLine(deals, i, locale) + "\n";
  return out;
}

std::string GanaListing(int boards, bool screens, int startSecondsOfDay,
                        const LocaleFormat& locale) {
  const GanaSchedule s = GanaTimes(boards, screens, startSecondsOfDay, locale);
  return s.series[0] + " " + s.series[1] + " " + s.series[2] + "\n" +
         FormatLongTime(startSecondsOfDay, locale) + " " + s.ends[0] + " " + s.ends[1] + " " +
         s.ends[2] + "\n";
}

}  // namespace ked
