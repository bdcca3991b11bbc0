#pragma once
// The inner loops of the bilinear sampling, in a plain version and, where
// the processor has them, with AVX2 vectors. Both do the same double
// operations in the same order (no fused multiply-add), so their results
// are identical.
#include <cstddef>
#include <cstdint>

#include "images/picture.h"

namespace lumena {

struct SampleAxis;

struct BilinearKernels {
  // out[4c + k] = (1 - fx) * P00[k] + fx * P01[k] for every column of the
  // axis; nearestAlpha[c] = P00's alpha.
  void (*blendRow)(const Pixel* row, const SampleAxis& columns, double* out, uint8_t* nearestAlpha);
  // out[c][k] = Trunc(w0 * a[4c + k] + w1 * b[4c + k]).
  void (*mixRows)(const double* a, const double* b, double w0, double w1, size_t count, Pixel* out);
  // out[c][k] = Trunc(a[4c + k]).
  void (*truncateRow)(const double* a, size_t count, Pixel* out);

  // The same on whole numbers for fractions that are multiples of 1 / 2^bits:
  // out[4c + k] = (2^bits - w) * P00[k] + w * P01[k], w = scaledFraction[c].
  void (*blendRowExact)(const Pixel* row, const SampleAxis& columns, uint16_t* out, uint8_t* nearestAlpha);
  // out[c][k] = (w0 * a[4c + k] + w1 * b[4c + k]) >> shift.
  void (*mixRowsExact)(const uint16_t* a, const uint16_t* b, uint16_t w0, uint16_t w1, int shift, size_t count,
                       Pixel* out);
  // out[c][k] = a[4c + k] >> shift.
  void (*truncateRowExact)(const uint16_t* a, int shift, size_t count, Pixel* out);
};

// The fastest kernels this processor runs, or the plain ones when
// plainOnly is set (for comparing the two).
const BilinearKernels& SelectBilinearKernels(bool plainOnly = false);

}  // namespace lumena
