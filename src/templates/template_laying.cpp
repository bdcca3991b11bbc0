#include "templates/template_laying.h"

#include <algorithm>

#include "work/layer.h"

namespace lumena {

namespace {

void Place(TLayer& layer, TemplateGroup group, const TemplateChoice& choice, const NailMark* nail) {
  const Picture& picture = layer.WorkPicture();
  if (group == TemplateGroup::Nails && nail) {
    if (const std::optional<PictureSize> size =
            NailTemplateSize(picture.Width(), picture.Height(), choice.placePoint, *nail))
      layer.StretchTo(size->width, size->height);
    const Point at = NailTemplateCorner(*nail, layer.WorkPicture().Width(), layer.WorkPicture().Height());
    layer.SetPosition(at.x, at.y);
    return;
  }
  const Point at = group == TemplateGroup::Body ? CentredCorner(choice.placePoint, picture.Width(), picture.Height())
                                                : choice.placePoint;
  layer.SetPosition(at.x, at.y);
}

}  // namespace

std::string_view TemplateRefusal(TemplateGroup group, const PlacementAnchors& anchors) {
  if (group == TemplateGroup::Face && (anchors.face.x == -1 || anchors.face.y == -1)) return "MessageFaceIsNotAdjusted";
  const auto unset = [](const NailMark& n) { return n.x == -1 && n.y == -1; };
  if (group == TemplateGroup::Nails && std::ranges::all_of(anchors.nails, unset)) return "MessageHandIsNotAdjusted";
  return {};
}

TLayer& LayTemplate(EditingSession& session, const TTemplateBase& base, const DataRoots& roots,
                    const PlacementAnchors& anchors, const TemplateChoice& choice, int nail) {
  TWorkDesk& desk = session.Desk();
  std::unique_ptr<TLayer> layer = TLayer::CreateFromFile(desk, choice.path, roots, {choice.name, choice.type});
  const TPartTypeRecord* type = base.FindTemplateType(choice.type);
  if (type) layer->SetDepth(type->Level);
  const TemplateGroup group = type ? GroupOfLetter(type->Group) : TemplateGroup::Face;
  const NailMark* mark = nail >= 1 && nail <= kNailMarkCount ? &anchors.nails[nail - 1] : nullptr;
  Place(*layer, group, choice, mark);
  if (mark && mark->angle != 0) {
    layer->RenderDesk();
    layer->RotateTo(mark->angle);
  }
  return session.AddTemplateLayer(std::move(layer));
}

ChoiceOutcome ChooseTemplate(EditingSession& session, const TTemplateBase& base, const DataRoots& roots,
                             const PlacementAnchors& anchors, const TPartInfoRecord& chosen,
                             const TemplateOptions& options) {
  const TemplateGroup group = GroupOfLetter(base.GroupOf(chosen.TypeNumber));
  if (const std::string_view refusal = TemplateRefusal(group, anchors); !refusal.empty()) return {0, refusal};
  if (chosen.IsTitle()) return {};
  const std::optional<std::filesystem::path> path = roots.Find(chosen.FileName);
  if (!path) return {};
  TemplateChoice choice{*path, chosen.TypeNumber, chosen.Name, {chosen.X, chosen.Y}};
  const DeskGeometry& g = session.Desk().Geometry();
  switch (group) {
    case TemplateGroup::Nails: {
      int laid = 0;
      for (int k = 1; k <= kNailMarkCount; ++k) {
        const NailMark& mark = anchors.nails[k - 1];
        if (!options.nails[k - 1] || mark.x < 0 || mark.y < 0) continue;
        LayTemplate(session, base, roots, anchors, choice, k);
        ++laid;
      }
      return laid ? ChoiceOutcome{laid, {}} : ChoiceOutcome{0, "MessageNailsNotSelected"};
    }
    case TemplateGroup::Face:
      choice.placePoint = {anchors.face.x + chosen.X, anchors.face.y + chosen.Y};
      break;
    case TemplateGroup::Body:
      choice.placePoint = {g.viewLeft + g.viewWidth / 2, g.viewTop + g.viewHeight / 2};
      break;
    case TemplateGroup::Work:
      choice.placePoint = {g.tableWidth / 2 + chosen.X, g.tableHeight / 2 + chosen.Y};
      break;
  }
  if (options.replaceSameType) session.Desk().DeleteGroup("", chosen.TypeNumber, false);
  LayTemplate(session, base, roots, anchors, choice, 0);
  return {1, {}};
}

}  // namespace lumena
