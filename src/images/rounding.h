#pragma once
// The two conversions from real to integer. They are never exchanged: every
// routine names the one it uses.
#include <cmath>
#include <cstdint>

#ifdef __SSE__
#include <xmmintrin.h>
#endif

namespace lumena {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4). Relies
// on the default rounding mode, which nothing in the program changes.
inline int64_t Round(double v) { return static_cast<int64_t>(std::nearbyint(v)); }
inline int64_t Round(float v) { return static_cast<int64_t>(std::nearbyint(v)); }
// The same for results known to fit 32 bits (picture and view pixels).
inline int32_t Round32(double v) { return static_cast<int32_t>(Round(v)); }

// Round of a single-precision value that fits 32 bits, without a call.
inline int32_t RoundToInt(float v) {
#ifdef __SSE__
  return _mm_cvt_ss2si(_mm_set_ss(v));
#else
  return static_cast<int32_t>(std::nearbyint(v));
#endif
}

// Toward zero.
inline int64_t Trunc(double v) { return static_cast<int64_t>(v); }

}  // namespace lumena
