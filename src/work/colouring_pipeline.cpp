#include "work/colouring_pipeline.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "images/rounding.h"
#include "images/row_bands.h"
#include "work/colouring.h"

namespace lumena {

namespace {

struct HsvShift {
  int32_t hue, saturation, brightness;
};

// The whole pipeline for one set of containing regions: the tint and
// channel steps act on each byte alone and fold into one table per byte,
// as does the contrast; only the HSV steps mix the bytes.
struct Stage {
  std::array<std::array<uint8_t, 256>, 3> pre;  // blue, green, red
  std::array<uint8_t, 256> post;
  std::vector<HsvShift> hsv;
  bool identity = true;
};

using Table = std::array<uint8_t, 256>;

Table IdentityTable() {
  Table t;
  for (int i = 0; i < 256; ++i) t[i] = static_cast<uint8_t>(i);
  return t;
}

class StageBuilder {
 public:
  explicit StageBuilder(const ColouringSource& source) : source_(source) {}

  Stage Build(uint8_t bits) {
    Stage stage;
    stage.pre = {IdentityTable(), IdentityTable(), IdentityTable()};
    stage.post = IdentityTable();
    for (const ColourParameters* p : Chosen(bits, [](const ColourParameters& q) { return q.Color != -1; })) {
      const auto c = static_cast<uint32_t>(p->Color);
      const uint8_t tint[3] = {ColorBlue(c), ColorGreen(c), ColorRed(c)};
      for (int ch = 0; ch < 3; ++ch)
        for (auto& v : stage.pre[ch]) v = TintChannel(v, tint[ch]);
      stage.identity = false;
    }
    ScaleStep(stage, bits, 2, &ColourParameters::Red);
    ScaleStep(stage, bits, 1, &ColourParameters::Green);
    ScaleStep(stage, bits, 0, &ColourParameters::Blue);
    for (const ColourParameters* p : Chosen(bits, [](const ColourParameters& q) {
           return q.Hue != 100 || q.Saturation != 100 || q.Brightness != 100;
         })) {
      stage.hsv.push_back({p->Hue, p->Saturation, p->Brightness});
      stage.identity = false;
    }
    for (const ColourParameters* p : Chosen(bits, [](const ColourParameters& q) { return q.Contrast != 100; })) {
      const int32_t pivot = PivotValue();
      for (auto& v : stage.post) v = ContrastChannel(v, p->Contrast, pivot);
      stage.identity = false;
    }
    return stage;
  }

 private:
  template <typename NonNeutral>
  std::vector<const ColourParameters*> Chosen(uint8_t bits, NonNeutral nonNeutral) const {
    std::vector<const ColourParameters*> out;
    for (int region : source_.mask.UsedRegions())
      if ((bits >> (region - 1)) & 1) {
        const ColourParameters& p = source_.mask.Region(region);
        if (nonNeutral(p)) out.push_back(&p);
      }
    if (out.empty() && nonNeutral(source_.layer)) out.push_back(&source_.layer);
    return out;
  }

  void ScaleStep(Stage& stage, uint8_t bits, int channel, int32_t ColourParameters::*field) {
    for (const ColourParameters* p : Chosen(bits, [field](const ColourParameters& q) { return q.*field != 50; })) {
      const int32_t k = ChannelFactor(p->*field);
      for (auto& v : stage.pre[channel]) v = ScaleChannel(v, k);
      stage.identity = false;
    }
  }

  // Computed once, and only when a contrast step needs it; only its low
  // byte counts.
  int32_t PivotValue() {
    if (pivot_ < 0) pivot_ = MeanLuminance(source_.work) & 0xFF;
    return pivot_;
  }

  const ColouringSource& source_;
  int32_t pivot_ = -1;
};

inline void ApplyStage(const Stage& stage, Pixel& p) {
  p.b = stage.pre[0][p.b];
  p.g = stage.pre[1][p.g];
  p.r = stage.pre[2][p.r];
  for (const HsvShift& s : stage.hsv) p = ShiftHsv(p, s.hue, s.saturation, s.brightness);
  p.b = stage.post[p.b];
  p.g = stage.post[p.g];
  p.r = stage.post[p.r];
}

void ColourWithoutRegions(Picture& rendering, const Stage& stage) {
  if (stage.identity) return;
  ForRowBands(0, rendering.Height(), int64_t{rendering.Width()} * rendering.Height(), [&](int top, int bottom) {
    for (int r = top; r < bottom; ++r)
      for (Pixel& p : rendering.Row(r))
        if (p.a != 0) ApplyStage(stage, p);
  });
}

// The mask cell of rendering row or column i: Round(i * scale) + the source
// corner, held within the cells.
std::vector<int> CellIndices(int count, double scale, int corner, int cells) {
  std::vector<int> out(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i)
    out[i] = static_cast<int>(std::clamp<int64_t>(Round(i * scale) + corner, 0, cells - 1));
  return out;
}

void ColourWithRegions(Picture& rendering, const ColouringSource& source, StageBuilder& builder) {
  const TMask& mask = source.mask;
  uint8_t usedBits = 0;
  for (int region : mask.UsedRegions()) usedBits |= static_cast<uint8_t>(1u << (region - 1));
  const auto cells = mask.CellsView();
  const std::vector<int> columns = CellIndices(rendering.Width(), source.scale, source.source.left, mask.Columns());
  std::array<std::unique_ptr<Stage>, 256> stages;
  for (int r = 0; r < rendering.Height(); ++r) {
    const auto row =
        static_cast<size_t>(std::clamp<int64_t>(Round(r * source.scale) + source.source.top, 0, mask.Rows() - 1));
    const uint8_t* cellRow = cells.data() + row * static_cast<size_t>(mask.Columns());
    auto pixels = rendering.Row(r);
    for (int c = 0; c < rendering.Width(); ++c) {
      Pixel& p = pixels[c];
      if (p.a == 0) continue;
      const uint8_t bits = cellRow[columns[c]] & usedBits;
      auto& stage = stages[bits];
      if (!stage) stage = std::make_unique<Stage>(builder.Build(bits));
      if (!stage->identity) ApplyStage(*stage, p);
    }
  }
}

}  // namespace

void ColourRendering(Picture& rendering, const ColouringSource& source) {
  if (rendering.Empty()) return;
  StageBuilder builder(source);
  if (source.mask.UsedRegions().empty() || !source.mask.HasCells())
    ColourWithoutRegions(rendering, builder.Build(0));
  else
    ColourWithRegions(rendering, source, builder);
}

}  // namespace lumena
