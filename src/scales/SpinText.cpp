#include "scales/SpinText.h"

#include <algorithm>

#include "platform/RuntimeConvert.h"

namespace ked {

int SpinTextValue(std::string_view text, int minimum, int maximum) {
  const int value = StrToInt(text).value_or(minimum);
  return std::clamp(value, minimum, maximum);
}

}  // namespace ked
