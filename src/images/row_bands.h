#pragma once
// Work over the rows of a picture split between the two cores, for routines
// whose rows do not depend on each other.
#include <cstdint>
#include <functional>

namespace lumena {

// Below this many pixels of work a second thread costs more than it saves.
inline constexpr int64_t kPixelsWorthASecondThread = 64 * 1024;

// Calls `band(top, bottom)` for rows top..bottom - 1: once for all rows when
// the work is small or there is one core, else for two halves at once.
void ForRowBands(int top, int bottom, int64_t pixels, const std::function<void(int top, int bottom)>& band);

}  // namespace lumena
