// Laying the reference layer of an adjusted picture: the portrait, the hand
// or the body of the work.
#include "editing/editing_session.h"
#include "images/rounding.h"
#include "work/layer.h"

namespace lumena {

namespace {

struct KindTraits {
  const char* question;
  TLayer* (TWorkDesk::*current)() const;
  void (TWorkDesk::*set)(TLayer*);
};

KindTraits TraitsOf(EditingSession::ReferenceKind kind) {
  switch (kind) {
    case EditingSession::ReferenceKind::Hand:
      return {"ConfirmAdjustHand", &TWorkDesk::HandLayer, &TWorkDesk::SetHandLayer};
    case EditingSession::ReferenceKind::Body:
      return {"ConfirmAdjustBody", &TWorkDesk::BodyLayer, &TWorkDesk::SetBodyLayer};
    case EditingSession::ReferenceKind::Face:
      break;
  }
  return {"ConfirmAdjustFace", &TWorkDesk::PortraitLayer, &TWorkDesk::SetPortraitLayer};
}

}  // namespace

std::optional<Point> EditingSession::LayReferenceLayer(ReferenceKind kind, const Picture& picture,
                                                       std::string displayName, bool pictureHasAlpha) {
  const KindTraits traits = TraitsOf(kind);
  if (picture.Empty() || !questions_.Confirm(traits.question)) return std::nullopt;
  if (desk_.Count() > 0 && questions_.Confirm("ConfirmClearPrevWork")) desk_.ClearWork();
  if (TLayer* previous = (desk_.*traits.current)()) desk_.DeleteLayer(desk_.IndexOf(previous));
  std::unique_ptr<TLayer> layer = TLayer::CreateFromPicture(desk_, picture, std::move(displayName), pictureHasAlpha);
  const DeskGeometry& g = desk_.Geometry();
  const Point at{static_cast<int32_t>(Round((g.tableWidth - picture.Width()) / 2.0)),
                 static_cast<int32_t>(Round((g.tableHeight - picture.Height()) / 2.0))};
  layer->SetDepth(0);
  layer->SetPosition(at.x, at.y);
  TLayer* laid = layer.get();
  desk_.SetActive(-1);
  laid->RenderDesk();
  const int index = desk_.InsertLayer(std::move(layer), -1);
  (desk_.*traits.set)(laid);
  // The preview keeps the new portrait as it was prepared.
  if (kind == ReferenceKind::Face) desk_.Observer().PortraitChanged();
  desk_.RecordAction(EditingAction::NewPortrait);
  desk_.RefreshAll();
  desk_.SetActive(index);
  return at;
}

}  // namespace lumena
