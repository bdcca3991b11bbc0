#include "images/bilinear_sampler.h"

#include <algorithm>
#include <cmath>

namespace lumena {
namespace {

// The source position in extended precision, as the sampling defines it.
struct Position {
  int32_t whole;
  double fraction;
};

Position SamplePosition(int64_t index, int sourceSize, int64_t targetSize) {
  const long double s = static_cast<long double>(index) * sourceSize / targetSize;
  const auto whole = static_cast<int32_t>(s);
  return {whole, static_cast<double>(s - whole)};
}

void ReserveAxis(SampleAxis& axis, int count) {
  axis.first.resize(count);
  axis.second.resize(count);
  axis.fraction.resize(count);
  axis.complement.resize(count);
}

constexpr int kMostExactBits = 8;

// Finds the smallest power of two that makes every fraction whole.
void FindExactBits(SampleAxis& axis) {
  for (int bits = 0; bits <= kMostExactBits; ++bits) {
    const bool whole = std::all_of(axis.fraction.begin(), axis.fraction.end(), [bits](double f) {
      const double scaled = std::ldexp(f, bits);
      return scaled == std::floor(scaled);
    });
    if (!whole) continue;
    axis.exactBits = bits;
    axis.scaledFraction.resize(axis.fraction.size());
    for (size_t i = 0; i < axis.fraction.size(); ++i)
      axis.scaledFraction[i] = static_cast<uint16_t>(std::ldexp(axis.fraction[i], bits));
    return;
  }
}

}  // namespace

SampleAxis SampleAxis::Columns(int sourceSize, int64_t targetSize, int count) {
  SampleAxis axis;
  ReserveAxis(axis, count);
  for (int c = 0; c < count; ++c) {
    const Position p = SamplePosition(c, sourceSize, targetSize);
    axis.first[c] = p.whole;
    axis.second[c] = (c == 0 || p.whole == sourceSize - 1) ? p.whole : p.whole + 1;
    axis.fraction[c] = p.fraction;
    axis.complement[c] = 1.0 - p.fraction;
  }
  FindExactBits(axis);
  return axis;
}

SampleAxis SampleAxis::Rows(int sourceSize, int64_t targetSize, int count) {
  SampleAxis axis;
  ReserveAxis(axis, count);
  for (int r = 0; r < count; ++r) {
    const Position p = SamplePosition(r, sourceSize, targetSize);
    const bool last = p.whole == sourceSize - 1;
    axis.first[r] = p.whole;
    axis.second[r] = last ? p.whole : p.whole + 1;
    axis.fraction[r] = last ? 0.0 : p.fraction;
    axis.complement[r] = 1.0 - axis.fraction[r];
  }
  FindExactBits(axis);
  return axis;
}

BilinearSampler::BilinearSampler(const Picture& source, const SampleAxis& columns, const SampleAxis& rows,
                                 const BilinearKernels& kernels)
    : source_(source),
      columns_(columns),
      rows_(rows),
      kernels_(kernels),
      exact_(columns.exactBits >= 0 && rows.exactBits >= 0 && columns.exactBits + rows.exactBits <= kMostExactBits) {
  for (BlendedRow& row : blended_) {
    if (exact_)
      row.scaled.resize(columns.first.size() * 4);
    else
      row.values.resize(columns.first.size() * 4);
    row.nearestAlpha.resize(columns.first.size());
  }
}

void BilinearSampler::Blend(BlendedRow& row) const {
  const Pixel* pixels = source_.Row(row.sourceRow).data();
  if (exact_)
    kernels_.blendRowExact(pixels, columns_, row.scaled.data(), row.nearestAlpha.data());
  else
    kernels_.blendRow(pixels, columns_, row.values.data(), row.nearestAlpha.data());
}

// Neighbouring target rows share source rows when enlarging, so the last
// two horizontally blended rows are kept.
const BilinearSampler::BlendedRow& BilinearSampler::RowBlendFor(int sourceRow, int stillNeeded) {
  for (const BlendedRow& row : blended_)
    if (row.sourceRow == sourceRow) return row;
  BlendedRow& row = blended_[0].sourceRow == stillNeeded ? blended_[1] : blended_[0];
  row.sourceRow = sourceRow;
  Blend(row);
  return row;
}

const uint8_t* BilinearSampler::SampleRow(int r, std::span<Pixel> out) {
  if (exact_ && columns_.exactBits == 0 && rows_.fraction[r] == 0.0) {
    // Every weight is 0 or 1: the values are the first samples themselves.
    BlendedRow& row = blended_[0];
    row.sourceRow = -1;
    const Pixel* in = source_.Row(rows_.first[r]).data();
    for (size_t c = 0; c < out.size(); ++c) {
      out[c] = in[columns_.first[c]];
      row.nearestAlpha[c] = out[c].a;
    }
    return row.nearestAlpha.data();
  }
  const BlendedRow& first = RowBlendFor(rows_.first[r], rows_.second[r]);
  const double fy = rows_.fraction[r];
  // 1 * a + 0 * b is a exactly, so the second row is not needed.
  const BlendedRow* second = fy == 0.0 ? nullptr : &RowBlendFor(rows_.second[r], rows_.first[r]);
  if (exact_ && !second) {
    kernels_.truncateRowExact(first.scaled.data(), columns_.exactBits, out.size(), out.data());
  } else if (exact_) {
    const int one = 1 << rows_.exactBits, weight = rows_.scaledFraction[r];
    kernels_.mixRowsExact(first.scaled.data(), second->scaled.data(), static_cast<uint16_t>(one - weight),
                          static_cast<uint16_t>(weight), columns_.exactBits + rows_.exactBits, out.size(), out.data());
  } else if (!second) {
    kernels_.truncateRow(first.values.data(), out.size(), out.data());
  } else {
    kernels_.mixRows(first.values.data(), second->values.data(), rows_.complement[r], fy, out.size(), out.data());
  }
  return first.nearestAlpha.data();
}

}  // namespace lumena
