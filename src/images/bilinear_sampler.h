#pragma once
// The bilinear sampling shared by the stretch routines. For target row r and
// column c the source point is (c * Ws / Wt, r * Hs / Ht); the four samples
// are weighted as (1 - fy)((1 - fx)P00 + fx P01) + fy((1 - fx)P10 + fx P11)
// per byte in double precision and truncated.
#include <cstdint>
#include <span>
#include <vector>

#include "images/bilinear_kernels.h"
#include "images/picture.h"

namespace lumena {

// Where each target column (or row) samples: the first and second source
// index and the fraction f with its complement 1 - f.
struct SampleAxis {
  std::vector<int32_t> first;
  std::vector<int32_t> second;
  std::vector<double> fraction;
  std::vector<double> complement;
  // When every fraction is a multiple of 1 / 2^exactBits (exactBits <= 8),
  // the fractions times 2^exactBits; exactBits is -1 otherwise.
  int exactBits = -1;
  std::vector<uint16_t> scaledFraction;

  // Columns: the second column is x0 + 1, except x0 itself at c = 0 and at
  // the last source column.
  static SampleAxis Columns(int sourceSize, int64_t targetSize, int count);
  // Rows: the second row is y0 + 1, except y0 itself (and f = 0) at the last
  // source row.
  static SampleAxis Rows(int sourceSize, int64_t targetSize, int count);

  bool SecondIsNext(int i) const { return second[i] != first[i]; }
};

// Samples whole target rows. When both axes step by multiples of small
// powers of two (halving, doubling and the like) every double operation of
// the sampling is exact, so the same values come from whole numbers scaled
// by those powers; otherwise the sampling runs in double. Keeps the horizontally blended source rows it
// computed last, since neighbouring target rows share them when enlarging.
class BilinearSampler {
 public:
  BilinearSampler(const Picture& source, const SampleAxis& columns, const SampleAxis& rows,
                  const BilinearKernels& kernels = SelectBilinearKernels());

  // The truncated bilinear values of target row r, columns 0..out.size()-1.
  // Returns the alpha of each column's first sample P00.
  const uint8_t* SampleRow(int r, std::span<Pixel> out);

 private:
  struct BlendedRow {
    int sourceRow = -1;
    std::vector<double> values;    // in double
    std::vector<uint16_t> scaled;  // in whole numbers times 2^columns.exactBits
    std::vector<uint8_t> nearestAlpha;
  };
  const BlendedRow& RowBlendFor(int sourceRow, int stillNeeded);
  void Blend(BlendedRow& row) const;

  const Picture& source_;
  const SampleAxis& columns_;
  const SampleAxis& rows_;
  const BilinearKernels& kernels_;
  bool exact_;
  BlendedRow blended_[2];
};

}  // namespace lumena
