#pragma once
// The portrait adjustment window: the user says whether the picture shows a
// face, a hand or a body and where (eye lines, nail marks, the part to
// enlarge); OK lays the reference layer and records the anchors.
#include <QCursor>
#include <filesystem>
#include <functional>

#include "editing/editing_session.h"
#include "images/picture.h"
#include "interface/ui/skinned_form.h"
#include "portrait/adjust_geometry.h"
#include "portrait/nail_markers.h"
#include "portrait/placement_anchors.h"

namespace lumena {

class TGraphicButton;
class TPictureControl;

class TFormAdjust : public TSkinnedForm {
  Q_OBJECT

 public:
  enum class SourceKind { Face = 0, Hand = 1, Body = 2 };
  // The program's cursors by number.
  using CursorProvider = std::function<QCursor(int number)>;

  TFormAdjust(EditingSession& session, PlacementAnchors& anchors, std::filesystem::path eyeDetector,
              CursorProvider cursors);

  // Shows the window on a picture loaded as a portrait; the eyes are looked
  // for at once.
  void AdjustPicture(Picture portrait, bool fromLayeredFile);

  // Told after OK laid the reference layer.
  std::function<void()> onLaid;

  SourceKind Kind() const { return kind_; }
  const FaceLines& Lines() const { return lines_; }

 protected:
  void FormShow() override;
  void FormClose() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ChooseKind(SourceKind kind);
  void DetectEyes();
  void PlaceBoxOnEyeLine();
  void Redraw();
  void OkClick();
  bool LayFace();
  bool LayFrame(SourceKind kind);

  // The mouse over the view.
  void ViewPress(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers keys);
  void ViewMove(QPoint p, Qt::MouseButtons buttons);
  void ViewRelease(QPoint p, Qt::MouseButton button);
  void FacePress(QPoint p);
  void FaceMove(QPoint p);
  void FaceRelease(QPoint p, Qt::MouseButton button);
  void HandPress(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers keys);
  void FramePress(ZoomFrame& frame, QPoint p, Qt::KeyboardModifiers keys, int moveState, int zoomState);
  void MarkersMove(QPoint p, Qt::MouseButtons buttons, QPoint delta);
  void FrameMove(ZoomFrame& frame, QPoint p, QPoint delta, bool zoom);
  void HoverCursor(QPoint p);

  EditingSession& session_;
  PlacementAnchors& anchors_;
  std::filesystem::path eyeDetector_;
  CursorProvider cursors_;
  TPictureControl* view_;
  TGraphicButton* kindButtons_[3];

  Picture portrait_;
  bool fromLayeredFile_ = false;
  Picture viewPicture_;
  PictureFit fit_;
  SourceKind kind_ = SourceKind::Face;
  int viewWidth_, viewHeight_;
  FaceLines lines_;
  Box faceBox_;
  bool faceBoxShown_ = false;
  Point eyeOffset_;
  ZoomFrame handFrame_, bodyFrame_;
  NailMarkers markers_;
  int activeMark_ = 0;
  // What a press started: 0 nothing, 1 a face line or the box, 2/3 the hand
  // frame moved/zoomed, 4/5/6 a marker moved/stretched/turned, 7/8 the
  // body frame moved/zoomed.
  int dragState_ = 0;
  enum class FaceDrag { None, EyeLine, LeftLine, RightLine, Box } faceDrag_ = FaceDrag::None;
  QPoint press_, last_, grab_;
};

}  // namespace lumena
