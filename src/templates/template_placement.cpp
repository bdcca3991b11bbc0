#include "templates/template_placement.h"

#include <algorithm>

#include "images/rounding.h"
#include "platform/text.h"

namespace lumena {

TemplateGroup GroupOfLetter(std::string_view letter) {
  const std::string_view trimmed = TrimView(letter);
  if (Iequals(trimmed, "N")) return TemplateGroup::Nails;
  if (Iequals(trimmed, "B")) return TemplateGroup::Body;
  if (Iequals(trimmed, "M")) return TemplateGroup::Work;
  return TemplateGroup::Face;
}

std::optional<PictureSize> NailTemplateSize(int32_t w, int32_t h, Point box, const NailMark& nail) {
  const auto visible = [](int32_t side) { return std::max(side, 1); };
  if (box.x == 0 && box.y == 0) return PictureSize{visible(nail.width), visible(Round32(nail.height * 0.75))};
  if (w <= 0 || h <= 0) return std::nullopt;
  const int32_t bw = Round32(nail.width * box.x / 100.0);
  const int32_t bh = Round32(nail.height * 0.75 * box.y / 100.0);
  const double r = std::min(static_cast<double>(bh) / h, static_cast<double>(bw) / w);
  if (r == 1.0) return std::nullopt;
  return PictureSize{visible(Round32(w * r)), visible(Round32(h * r))};
}

Point NailTemplateCorner(const NailMark& nail, int32_t w, int32_t h) {
  return {nail.x - Round32(w * 0.5), nail.y - Round32(h * 2.0 / 3.0)};
}

Point CentredCorner(Point place, int32_t w, int32_t h) { return {place.x - w / 2, place.y - h / 2}; }

Point SavedTemplateOffsets(TemplateGroup group, Point tablePosition, const PlacementAnchors& anchors,
                           Point tableCentre) {
  switch (group) {
    case TemplateGroup::Body:
      return {0, 0};
    case TemplateGroup::Nails:
      return {100, 100};
    case TemplateGroup::Work:
      return {tablePosition.x - tableCentre.x, tablePosition.y - tableCentre.y};
    case TemplateGroup::Face:
      break;
  }
  if (anchors.face.x == -1) return {0, 0};
  return {tablePosition.x - anchors.face.x, tablePosition.y - anchors.face.y};
}

}  // namespace lumena
