#pragma once
// How the calculators read a spin field's text.
#include <string_view>

namespace ked {

// The integer the text holds, the range's minimum when it holds none, brought
// into the range (a value typed out of range is brought back on leaving anyway).
int SpinTextValue(std::string_view text, int minimum, int maximum);

}  // namespace ked
