#include "interface/button_drawing.h"

#include <algorithm>

#include "images/rounding.h"

namespace lumena {

namespace {

// The two halves are rounded on their own, so their sum can reach 256
// (white over white at k = 0.5); it saturates rather than wraps.
uint8_t Mix(double k, uint8_t under, uint8_t over) {
  return static_cast<uint8_t>(std::min<int64_t>(Round((1 - k) * under) + Round(k * over), 255));
}

void BlendPixel(Pixel& out, const Pixel& cell, double k) {
  out.b = Mix(k, out.b, cell.b);
  out.g = Mix(k, out.g, cell.g);
  out.r = Mix(k, out.r, cell.r);
}

// Calls f(outputPixel, cellPixel) for the overlap of `cell` placed at `at`.
template <typename F>
void ForOverlap(Picture& output, const Picture& cell, Point at, F f) {
  const int x0 = std::max(0, -at.x), y0 = std::max(0, -at.y);
  const int x1 = std::min(cell.Width(), output.Width() - at.x);
  const int y1 = std::min(cell.Height(), output.Height() - at.y);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) f(output.At(x + at.x, y + at.y), cell.At(x, y));
}

}  // namespace

Picture CutCell(const Picture& source, int left, int top, int cellWidth, int cellHeight) {
  Picture cell(std::max(cellWidth, 0), std::max(cellHeight, 0));
  ForOverlap(cell, source, {-left, -top}, [](Pixel& out, const Pixel& in) { out = in; });
  return cell;
}

void Recolour(Picture& cell, uint32_t colour) {
  const uint8_t threshold = static_cast<uint8_t>(colour >> 24);
  for (Pixel& p : cell.Pixels()) {
    if (p.a < threshold) continue;
    p.r = ColorRed(colour);
    p.g = ColorGreen(colour);
    p.b = ColorBlue(colour);
  }
}

void CopyOpaque(Picture& output, const Picture& cell) {
  ForOverlap(output, cell, {0, 0}, [](Pixel& out, const Pixel& in) {
    out.b = in.b;
    out.g = in.g;
    out.r = in.r;
  });
}

void BlendCell(Picture& output, const Picture& cell, int transparency) {
  const double strength = 1 - transparency / 100.0;
  ForOverlap(output, cell, {0, 0}, [strength](Pixel& out, const Pixel& in) {
    if (in.a != 0) BlendPixel(out, in, in.a / 255.0 * strength);
  });
}

void BlendTrack(Picture& output, const Picture& cell, Point at) {
  ForOverlap(output, cell, at, [](Pixel& out, const Pixel& in) {
    if (in.a != 0) BlendPixel(out, in, in.a / 255.0);
  });
}

void PastePicture(Picture& output, const Picture& part, Point at) {
  ForOverlap(output, part, at, [](Pixel& out, const Pixel& in) { out = in; });
}

}  // namespace lumena
