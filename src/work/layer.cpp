#include "work/layer.h"

#include <algorithm>

#include "platform/text.h"
#include "work/value_ranges.h"

namespace lumena {

TLayer::TLayer(LayerSite& site) : Site_(&site) {}

void TLayer::Init(const Picture& picture, const TLayerRecord* record, const LayerIdentity& identity) {
  WorkPicture_ = picture;
  if (record) {
    Name_ = Site_->NameInUse(record->Name) ? Site_->NewLayerName() : record->Name;
    DisplayName_ = record->DisplayName;
    TemplateType_ = record->TemplateType;
    // A record may come from a file: its values are brought into range.
    TLayerRecord inRange = *record;
    ClampToRanges(inRange);
    X_ = inRange.X;
    Y_ = inRange.Y;
    Visible_ = inRange.Visible != 0;
    Params_ = inRange.Params;
    Depth_ = record->Depth;
    SourcePath_ = record->SourcePath;
  } else {
    Name_ = Site_->NewLayerName();
    DisplayName_ = identity.DisplayName;
    TemplateType_ = identity.TemplateType;
    X_ = Y_ = 0;
    Visible_ = true;
    Params_ = {};
    Depth_ = 0;
    SourcePath_.clear();
  }
  PivotX_ = PivotY_ = -1;
  Angle_ = 0;
  DeskRendering_.Release();
  AttachRegionCallback();
}

void TLayer::AttachRegionCallback() {
  Mask_.SetOnRegionChange([this] { Site_->RegionChanged(*this); });
}

TLayerRecord TLayer::Record() const {
  return {Name_,   DisplayName_, TemplateType_, X_, Y_, WidthOf(), HeightOf(), static_cast<uint8_t>(Visible_ ? 1 : 0),
          Params_, Depth_,       SourcePath_};
}

std::string TLayer::GroupLetter() const {
  if (TemplateType_ < 0) return "???";
  if (TemplateType_ == 0) return "F";
  const std::string letter = ToUpper(Site_->TemplateTypeLetter(TemplateType_));
  return letter == "B" || letter == "N" ? letter : "F";
}

void TLayer::SetPosition(int32_t x, int32_t y) {
  X_ = x;
  Y_ = y;
}

int32_t TLayer::WidthOf() const { return WorkPicture_.Empty() ? -1 : WorkPicture_.Width(); }
int32_t TLayer::HeightOf() const { return WorkPicture_.Empty() ? -1 : WorkPicture_.Height(); }

namespace {

void ResizeKeeping(Picture& picture, int32_t width, int32_t height) {
  Picture resized(width, height);
  const int w = std::min(width, picture.Width()), h = std::min(height, picture.Height());
  for (int y = 0; y < h; ++y) std::copy_n(picture.Row(y).begin(), w, resized.Row(y).begin());
  picture = std::move(resized);
}

}  // namespace

void TLayer::SetWidth(int32_t width) {
  if (width >= 0) ResizeKeeping(WorkPicture_, width, WorkPicture_.Height());
}

void TLayer::SetHeight(int32_t height) {
  if (height >= 0) ResizeKeeping(WorkPicture_, WorkPicture_.Width(), height);
}

Rect TLayer::TableRect() const { return {X_, Y_, X_ + WorkPicture_.Width(), Y_ + WorkPicture_.Height()}; }

bool TLayer::Contains(int32_t x, int32_t y) const {
  const Rect r = TableRect();
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

const ColourParameters& TLayer::ShownValues() const {
  const int region = Mask_.CurrentRegion();
  return region > 0 ? Mask_.Region(region) : Params_;
}

void TLayer::RefitMask() { Mask_.SetPicture(WorkPicture_); }

}  // namespace lumena
