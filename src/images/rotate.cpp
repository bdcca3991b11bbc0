#include "images/rotate.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <thread>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "images/rounding.h"
#include "images/stretch.h"

namespace lumena {
namespace {

constexpr int kSmallSide = 100;
// Below this many source pixels a second thread costs more than it saves.
constexpr int64_t kThreadedPixels = 64 * 1024;

struct RotationExtents {
  int64_t vertical;    // E
  int64_t horizontal;  // F
};

// The angle brought into (-360, 0] and its cosine and sine, kept in single
// precision as the mapping uses them.
struct Turn {
  double degrees;
  float cos;
  float sin;
};

Turn MakeTurn(double degrees) {
  degrees = std::fmod(degrees, 360.0);
  if (degrees > 0) degrees -= 360.0;
  const double theta = degrees * std::numbers::pi / 180.0;
  return {degrees, static_cast<float>(std::cos(theta)), static_cast<float>(std::sin(theta))};
}

RotationExtents HalfExtents(int width, int height, const Turn& turn, int px, int py) {
  const double c = turn.cos, s = turn.sin, a = turn.degrees;
  const double r = width - 1, hb = static_cast<double>(py) - height + 1;
  if (a >= -90) return {Round(py * c - px * s), Round((r - px) * c - py * s)};
  if (a >= -180) return {Round(hb * c - px * s), Round(-px * c - py * s)};
  if (a >= -270) return {Round(hb * c + (r - px) * s), Round(-px * c - hb * s)};
  return {Round(py * c + (r - px) * s), Round((r - px) * c - hb * s)};
}

Picture MakeResult(int64_t width, int64_t height) {
  if (width <= 0 || height <= 0) return {};
  if (width > kMaxPictureSide || height > kMaxPictureSide) throw std::invalid_argument("rotated picture too large");
  return Picture(static_cast<int>(width), static_cast<int>(height));
}

// Where the pixels of one source row land: X and Y in single precision,
// negative values raised to 0, then Round.
class RowMapping {
 public:
  RowMapping(const Turn& turn, const RotationExtents& e, int px)
      : c_(turn.cos), s_(turn.sin), e_(static_cast<float>(e.vertical)), f_(static_cast<float>(e.horizontal)), px_(px) {}

  void MapRow(int dyWhole, int count, int32_t* columns, int32_t* rows) const {
    const auto dy = static_cast<float>(dyWhole);
    int j = 0;
#ifdef __SSE2__
    const __m128 c = _mm_set1_ps(c_), s = _mm_set1_ps(s_), e = _mm_set1_ps(e_), f = _mm_set1_ps(f_);
    const __m128 vdy = _mm_set1_ps(dy), zero = _mm_setzero_ps();
    for (; j + 4 <= count; j += 4) {
      const __m128 dx = _mm_cvtepi32_ps(_mm_sub_epi32(_mm_setr_epi32(j, j + 1, j + 2, j + 3), _mm_set1_epi32(px_)));
      const __m128 x = _mm_add_ps(f, _mm_sub_ps(_mm_mul_ps(dx, c), _mm_mul_ps(vdy, s)));
      const __m128 y = _mm_sub_ps(e, _mm_add_ps(_mm_mul_ps(c, vdy), _mm_mul_ps(dx, s)));
      // cvtps2dq rounds halves to even, as Round does.
      _mm_storeu_si128(reinterpret_cast<__m128i*>(columns + j), _mm_cvtps_epi32(_mm_max_ps(x, zero)));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(rows + j), _mm_cvtps_epi32(_mm_max_ps(y, zero)));
    }
#endif
    for (; j < count; ++j) {
      const auto dx = static_cast<float>(j - px_);
      const float x = f_ + (dx * c_ - dy * s_);
      const float y = e_ - (c_ * dy + dx * s_);
      columns[j] = RoundToInt(x < 0 ? 0.0f : x);
      rows[j] = RoundToInt(y < 0 ? 0.0f : y);
    }
  }

 private:
  float c_, s_, e_, f_;
  int px_;
};

// Every source pixel goes to its rounded rotated place; inner pixels also
// fill the place to their left, closing most gaps forward mapping leaves.
// Only result rows [rowBegin, rowEnd) are written, in source order, so
// bands of rows can be done side by side with the same outcome.
void MapBand(const Picture& source, const RowMapping& mapping, int py, Picture& out, int rowBegin, int rowEnd) {
  std::fill(out.Row(rowBegin).data(), out.Row(rowEnd - 1).data() + out.Width(), Pixel{255, 255, 255, 0});
  const int width = source.Width(), last = width - 1, outWidth = out.Width();
  std::vector<int32_t> columns(width), rows(width);
  for (int i = 0; i < source.Height(); ++i) {
    mapping.MapRow(py - i, width, columns.data(), rows.data());
    // Rows grow or shrink steadily along a source row.
    const auto [low, high] = std::minmax(rows.front(), rows.back());
    if (high < rowBegin || low >= rowEnd) continue;
    const Pixel* in = source.Row(i).data();
    for (int j = 0; j <= last; ++j) {
      const int32_t row = rows[j], column = columns[j];
      if (row < rowBegin || row >= rowEnd) continue;
      Pixel* target = out.Row(row).data();
      if (column <= outWidth - 1) target[column] = in[j];
      if (j > 0 && j < last && column > 0 && column <= outWidth) target[column - 1] = in[j];
    }
  }
}

void MapForward(const Picture& source, const Turn& turn, int px, int py, const RotationExtents& e, Picture& out) {
  const RowMapping mapping(turn, e, px);
  const int height = out.Height();
  if (int64_t{source.Width()} * source.Height() < kThreadedPixels || height < 2 ||
      std::thread::hardware_concurrency() < 2) {
    MapBand(source, mapping, py, out, 0, height);
    return;
  }
  const int middle = height / 2;
  std::jthread helper([&] { MapBand(source, mapping, py, out, middle, height); });
  MapBand(source, mapping, py, out, 0, middle);
}

Picture RotateAtSize(const Picture& source, double degrees, int px, int py) {
  const Turn turn = MakeTurn(degrees);
  const RotationExtents e = HalfExtents(source.Width(), source.Height(), turn, px, py);
  Picture out = MakeResult(Round(2.0 * e.horizontal + 5), Round(2.0 * e.vertical + 5));
  if (!out.Empty()) MapForward(source, turn, px, py, e, out);
  return out;
}

Picture Resampled(const Picture& source, int width, int height) {
  Picture out(width, height);
  StretchAlpha(out, {0, 0, width, height}, source, true);
  return out;
}

}  // namespace

Picture RotatePicture(const Picture& source, double angleDegrees, int pivotX, int pivotY) {
  if (source.Empty()) return {};
  if (source.Width() > kSmallSide && source.Height() > kSmallSide)
    return RotateAtSize(source, angleDegrees, pivotX, pivotY);
  const Picture doubled = Resampled(source, 2 * source.Width(), 2 * source.Height());
  const Picture rotated = RotateAtSize(doubled, angleDegrees, 2 * pivotX, 2 * pivotY);
  return Resampled(rotated, rotated.Width() / 2, rotated.Height() / 2);
}

}  // namespace lumena
