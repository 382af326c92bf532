#pragma once
// Records shared by the pool's units, with the version text the whole program shows.

namespace ked {

inline constexpr const char* ProgramVersion = "13.23.12";

}  // namespace ked
