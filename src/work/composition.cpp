#include "work/composition.h"

#include <algorithm>
#include <array>
#include <vector>

#include "images/rounding.h"
#include "images/row_bands.h"
#include "work/composition_blend.h"

namespace lumena {

namespace {

// The effective alphas of one layer, row by row: the regions with an
// opacity below 100 containing the pixel's mask cell scale it in ascending
// order; where none does, the layer's opacity below 100 does.
class OpacityRow {
 public:
  explicit OpacityRow(const CompositionLayer& layer) : layer_(layer) {
    const TMask* mask = layer.mask;
    if (mask && mask->HasCells())
      for (int region : mask->UsedRegions())
        if (mask->Region(region).Opacity < 100) {
          bits_ |= static_cast<uint8_t>(1u << (region - 1));
          percent_[region - 1] = mask->Region(region).Opacity;
        }
    if (bits_ != 0)
      for (int a = 0; a < 256; ++a) layerTable_[a] = ApplyOpacity(static_cast<uint8_t>(a), layer.opacity);
  }

  // Without regions that change the opacity the blend scales the alpha
  // by the layer's opacity itself.
  bool PerPixel() const { return bits_ != 0; }

  const uint8_t* Alphas(int renderingRow, int firstColumn, int count) {
    values_.resize(static_cast<size_t>(count));
    const Pixel* pixels = layer_.image->Row(renderingRow).data() + firstColumn;
    const TMask& mask = *layer_.mask;
    const uint8_t* cells =
        mask.CellsView().data() +
        static_cast<size_t>(CellIndex(renderingRow, layer_.source.top, mask.Rows())) * mask.Columns();
    for (int i = 0; i < count; ++i) {
      uint8_t a = pixels[i].a;
      const uint8_t inside = a ? cells[CellIndex(firstColumn + i, layer_.source.left, mask.Columns())] & bits_ : 0;
      if (inside == 0) {
        values_[i] = layer_.opacity < 100 ? layerTable_[a] : a;
        continue;
      }
      for (int region = 0; region < kMaskRegionCount; ++region)
        if ((inside >> region) & 1) a = ApplyOpacity(a, percent_[region]);
      values_[i] = a;
    }
    return values_.data();
  }

 private:
  int CellIndex(int position, int corner, int cells) const {
    return static_cast<int>(std::clamp<int64_t>(Round(position * layer_.scale) + corner, 0, cells - 1));
  }

  const CompositionLayer& layer_;
  uint8_t bits_ = 0;
  std::array<int, kMaskRegionCount> percent_{};
  std::array<uint8_t, 256> layerTable_{};
  std::vector<uint8_t> values_;
};

void ComposeLayer(Picture& target, const Rect& rect, const CompositionLayer& layer, CompositionTarget kind) {
  const int x0 = std::max<int>(rect.left, layer.x), x1 = std::min<int>(rect.right, layer.x + layer.image->Width());
  const int y0 = std::max<int>(rect.top, layer.y), y1 = std::min<int>(rect.bottom, layer.y + layer.image->Height());
  if (x1 <= x0 || y1 <= y0) return;
  OpacityRow opacity(layer);
  for (int y = y0; y < y1; ++y) {
    const int row = y - layer.y, column = x0 - layer.x;
    const Pixel* pixels = layer.image->Row(row).data() + column;
    Pixel* out = target.Row(y).data() + x0;
    if (opacity.PerPixel())
      BlendRow(out, pixels, opacity.Alphas(row, column, x1 - x0), x1 - x0, kind);
    else
      BlendRow(out, pixels, nullptr, x1 - x0, kind, layer.opacity);
  }
}

// Each pixel sees the layers from the back to the front; taking whole
// layers in that order does the same work row by row.
void ComposeBand(Picture& target, const Rect& rect, std::span<const CompositionLayer> layers, CompositionTarget kind) {
  const Pixel white{255, 255, 255, static_cast<uint8_t>(kind == CompositionTarget::Desk ? 255 : 0)};
  for (int y = rect.top; y < rect.bottom; ++y)
    std::fill(target.Row(y).begin() + rect.left, target.Row(y).begin() + rect.right, white);
  for (auto it = layers.rbegin(); it != layers.rend(); ++it)
    if (it->image && !it->image->Empty()) ComposeLayer(target, rect, *it, kind);
}

}  // namespace

void ComposeLayers(Picture& target, const Rect& area, std::span<const CompositionLayer> layers,
                   CompositionTarget kind) {
  const Rect rect = ClippedTo(area, target.Width(), target.Height());
  if (rect.Empty()) return;
  const int64_t pixels = rect.Width() * rect.Height() * static_cast<int64_t>(std::max<size_t>(layers.size(), 1));
  ForRowBands(rect.top, rect.bottom, pixels, [&](int top, int bottom) {
    ComposeBand(target, {rect.left, top, rect.right, bottom}, layers, kind);
  });
}

}  // namespace lumena
