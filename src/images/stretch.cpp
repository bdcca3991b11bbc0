#include "images/stretch.h"

#include <algorithm>
#include <cstring>
#include <thread>
#include <vector>

#include "images/bilinear_sampler.h"

namespace lumena {
namespace {

// Below this many target pixels a second thread costs more than it saves.
constexpr int64_t kThreadedPixels = 64 * 1024;

struct StretchPlan {
  int columnBegin, columnEnd;  // target columns in rectangle coordinates
  int rowBegin, rowEnd;
};

bool PlanStretch(const Picture& target, const Rect& rect, const Picture& source, StretchPlan& plan) {
  if (source.Empty() || rect.Width() <= 0 || rect.Height() <= 0) return false;
  plan.columnBegin = static_cast<int>(std::clamp<int64_t>(-int64_t{rect.left}, 0, rect.Width()));
  plan.columnEnd = static_cast<int>(std::clamp<int64_t>(target.Width() - int64_t{rect.left}, 0, rect.Width()));
  plan.rowBegin = static_cast<int>(std::clamp<int64_t>(-int64_t{rect.top}, 0, rect.Height()));
  plan.rowEnd = static_cast<int>(std::clamp<int64_t>(target.Height() - int64_t{rect.top}, 0, rect.Height()));
  return plan.columnBegin < plan.columnEnd && plan.rowBegin < plan.rowEnd;
}

// One row of bilinear values on its way to the target. finish() turns it
// into the drawn pixels left to right, in place, so column c may read the
// finished column c - 1.
struct SampledRow {
  std::span<Pixel> pixels;
  const uint8_t* nearestAlpha;  // alpha of each column's first sample
  const SampleAxis& columns;
};

// The rows of one band. Every row is computed from column 0, because a
// finished pixel may depend on its left neighbour even when that one is
// clipped away; unclipped rows are computed in the target itself.
template <typename Finish>
void StretchBand(Picture& target, const Rect& rect, const Picture& source, const SampleAxis& columns,
                 const SampleAxis& rows, const StretchPlan& plan, int rowBegin, int rowEnd, const Finish& finish) {
  BilinearSampler sampler(source, columns, rows);
  const bool direct = plan.columnBegin == 0;
  std::vector<Pixel> work(direct ? 0 : static_cast<size_t>(plan.columnEnd));
  const size_t visible = static_cast<size_t>(plan.columnEnd - plan.columnBegin);
  for (int r = rowBegin; r < rowEnd; ++r) {
    Pixel* out = &target.At(rect.left + plan.columnBegin, rect.top + r);
    const std::span<Pixel> row = direct ? std::span<Pixel>(out, visible) : std::span<Pixel>(work);
    finish(SampledRow{row, sampler.SampleRow(r, row), columns});
    if (!direct) std::memcpy(out, work.data() + plan.columnBegin, visible * sizeof(Pixel));
  }
}

template <typename Finish>
void Stretch(Picture& target, const Rect& rect, const Picture& source, const Finish& finish) {
  StretchPlan plan;
  if (!PlanStretch(target, rect, source, plan)) return;
  const SampleAxis columns = SampleAxis::Columns(source.Width(), rect.Width(), plan.columnEnd);
  const SampleAxis rows = SampleAxis::Rows(source.Height(), rect.Height(), plan.rowEnd);
  const int64_t pixels = int64_t{plan.columnEnd} * (plan.rowEnd - plan.rowBegin);
  if (pixels < kThreadedPixels || std::thread::hardware_concurrency() < 2) {
    StretchBand(target, rect, source, columns, rows, plan, plan.rowBegin, plan.rowEnd, finish);
    return;
  }
  // Rows are independent, so two bands give the same pixels as one.
  const int middle = plan.rowBegin + (plan.rowEnd - plan.rowBegin) / 2;
  std::jthread helper([&] { StretchBand(target, rect, source, columns, rows, plan, middle, plan.rowEnd, finish); });
  StretchBand(target, rect, source, columns, rows, plan, plan.rowBegin, middle, finish);
}

// Trunc((value * alpha + (255 - alpha) * under) / 255) on whole numbers.
inline uint8_t Mix(uint8_t value, uint8_t alpha, uint8_t under) {
  return static_cast<uint8_t>((value * alpha + (255 - alpha) * under) / 255);
}

inline bool Partial(uint8_t alpha) { return static_cast<uint8_t>(alpha - 1) < 254; }

inline uint32_t FourBytes(const uint8_t* bytes) {
  uint32_t v;
  std::memcpy(&v, bytes, sizeof v);
  return v;
}

// The alpha bytes of four pixels, packed.
inline uint32_t AlphaOf(const Pixel* p) {
  return uint32_t{p[0].a} | uint32_t{p[1].a} << 8 | uint32_t{p[2].a} << 16 | uint32_t{p[3].a} << 24;
}

// True when each of four alpha bytes is 0 or 255: a byte is so when it
// equals itself rotated by one bit.
inline bool NonePartial(uint32_t alphas) {
  const uint32_t rotated = ((alphas << 1) & 0xFEFEFEFEu) | ((alphas >> 7) & 0x01010101u);
  return rotated == alphas;
}

inline void SetAlphas(Pixel* p, uint32_t alphas) {
  for (int k = 0; k < 4; ++k) p[k].a = static_cast<uint8_t>(alphas >> (8 * k));
}

}  // namespace

void StretchAlpha(Picture& target, const Rect& rect, const Picture& source, bool alwaysInterpolateAlpha) {
  Stretch(target, rect, source, [alwaysInterpolateAlpha](const SampledRow& row) {
    Pixel* pixels = row.pixels.data();
    const size_t count = row.pixels.size();
    for (size_t c = 0; c < count; ++c) {
      // Away from soft edges nothing is half transparent: four at a time.
      if (c + 4 <= count) {
        const uint32_t alphas = alwaysInterpolateAlpha ? AlphaOf(pixels + c) : FourBytes(row.nearestAlpha + c);
        if (NonePartial(alphas)) {
          SetAlphas(pixels + c, alphas);
          c += 3;
          continue;
        }
      }
      Pixel& p = pixels[c];
      if (!alwaysInterpolateAlpha && !Partial(row.nearestAlpha[c])) p.a = row.nearestAlpha[c];
      if (!Partial(p.a)) continue;
      // The work row starts zeroed; the left neighbour only counts when the
      // sample reached the next source column.
      const Pixel under = row.columns.SecondIsNext(static_cast<int>(c)) ? pixels[c - 1] : Pixel{};
      p = {Mix(p.b, p.a, under.b), Mix(p.g, p.a, under.g), Mix(p.r, p.a, under.r), p.a};
    }
  });
}

void StretchThumbnail(Picture& target, const Rect& rect, const Picture& source) {
  Stretch(target, rect, source, [](const SampledRow& row) {
    for (Pixel& p : row.pixels)
      if (p.a != 255) p = {Mix(p.b, p.a, 0), Mix(p.g, p.a, 0), Mix(p.r, p.a, 0), p.a};
  });
}

// The platform draws a 24-bit picture as opaque pixels; on our 32-bit
// pictures that is alpha 255.
void StretchOpaque(Picture& target, const Rect& rect, const Picture& source) {
  Stretch(target, rect, source, [](const SampledRow& row) {
    for (Pixel& p : row.pixels) p.a = 255;
  });
}

}  // namespace lumena
