#include "portrait/ui/form_adjust.h"

#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <algorithm>
#include <cstdlib>

#include "images/pixel_routines.h"
#include "images/stretch.h"
#include "images/ui/qt_picture.h"
#include "interface/interface_context.h"
#include "interface/ui/apply_interface_info.h"
#include "interface/ui/caption_bar.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/layout_builder.h"
#include "interface/ui/picture_control.h"
#include "platform/file_error.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/qt_text.h"
#include "portrait/adjust_window_layout.h"
#include "portrait/eye_detection.h"
#include "portrait/face_adjustment.h"
#include "portrait/face_picture.h"
#include "portrait/face_placement.h"

namespace lumena {

namespace {

const char* const kKindButtons[] = {"ButtonFace", "ButtonHand", "ButtonBody"};

}  // namespace

TFormAdjust::TFormAdjust(EditingSession& session, PlacementAnchors& anchors, std::filesystem::path eyeDetector,
                         CursorProvider cursors)
    : TSkinnedForm(ToQString(kAdjustWindowLayout.name)),
      session_(session),
      anchors_(anchors),
      eyeDetector_(std::move(eyeDetector)),
      cursors_(std::move(cursors)),
      viewWidth_(session.Desk().Geometry().windowWidth),
      viewHeight_(session.Desk().Geometry().windowHeight),
      lines_(StartingLines(viewWidth_, viewHeight_)),
      handFrame_(StartingFrame(viewWidth_, viewHeight_)),
      bodyFrame_(handFrame_),
      markers_(StartingMarkers(viewWidth_, viewHeight_)) {
  resize(kAdjustWindowLayout.width, kAdjustWindowLayout.height);
  TPictureControl* buttons = ImageButtons();
  BuildLayoutControls(this, kAdjustWindowLayout, [buttons](std::string_view) { return buttons; });
  view_ = ChildByName<TPictureControl>(*this, "ResImage");
  // The view has the desk window's size.
  view_->resize(viewWidth_, viewHeight_);
  view_->setMouseTracking(true);
  view_->show();
  view_->installEventFilter(this);
  for (int i = 0; i < 3; ++i) {
    kindButtons_[i] = ChildByName<TGraphicButton>(*this, kKindButtons[i]);
    kindButtons_[i]->OnClick = [this, i] { ChooseKind(static_cast<SourceKind>(i)); };
  }
  ChildByName<TGraphicButton>(*this, "ButtonOK")->OnClick = [this] { OkClick(); };
  ChildByName<TGraphicButton>(*this, "ButtonCancel")->OnClick = [this] { close(); };
  ChildByName<TGraphicButton>(*this, "ButtonExit")->OnClick = [this] { close(); };
  ApplyInterfaceInfo(this);
  setWindowTitle(ToQString(GetTermin("ProductName", "")));
  CaptionBar()->SetCaption(ToQString(GetTermin("FormAdjustCaption", "Adjust Image Window")));
}

void TFormAdjust::AdjustPicture(Picture portrait, bool fromLayeredFile) {
  portrait_ = std::move(portrait);
  fromLayeredFile_ = fromLayeredFile;
  fit_ = FitPicture(portrait_.Width(), portrait_.Height(), viewWidth_, viewHeight_);
  viewPicture_ = Picture(viewWidth_, viewHeight_);
  std::ranges::fill(viewPicture_.Pixels(), kOpaqueWhite);
  if (!portrait_.Empty())
    StretchOpaque(viewPicture_, {fit_.left, fit_.top, fit_.left + fit_.width, fit_.top + fit_.height}, portrait_);
  if (QWidget* main = MainForm()) move(main->mapToGlobal(QPoint(70, 40)));
  show();
  raise();
  activateWindow();
  DetectEyes();
  faceBoxShown_ = FaceBoxShown(lines_);
  PlaceBoxOnEyeLine();
  activeMark_ = 0;
  dragState_ = 0;
  Redraw();
}

void TFormAdjust::FormShow() {
  LoadSkin("FormAdjust.Skin", kAdjustWindowLayout.skinDefault);
  // An interface without its own buttons for this window gets the default
  // ones rather than blank buttons.
  LoadButtonsPicture(kAdjustButtonsKey, kAdjustButtonsDefault, true);
  ChildByName<QWidget>(*this, "ButtonFigure")->hide();
  for (int i = 0; i < 3; ++i) kindButtons_[i]->SetPressed(static_cast<int>(kind_) == i);
}

void TFormAdjust::FormClose() {
  FreeButtonsPicture();
  FreeSkin();
}

// The detector runs on a 24-bit bitmap of the portrait in a private folder;
// the window waits for it at most ten seconds and keeps painting meanwhile.
// An answer whose eyes do not lie in the picture in their order is ignored.
void TFormAdjust::DetectEyes() {
  if (portrait_.Empty() || !std::filesystem::is_regular_file(eyeDetector_)) return;
  std::optional<EyeDetectionRun> run;
  try {
    run.emplace();
  } catch (const EFileError&) {
    return;  // without a folder of its own the detector is not run
  }
  if (!run->WritePortrait(portrait_)) return;
  const BusyCursor busy;
  QProcess detector;
  QStringList arguments;
  for (const std::string& argument : run->Arguments()) arguments << QString::fromStdString(argument);
  detector.start(QString::fromStdString(eyeDetector_.string()), arguments);
  QElapsedTimer waited;
  waited.start();
  while (!detector.waitForFinished(50)) {
    if (detector.state() == QProcess::NotRunning || waited.elapsed() > kEyeDetectorMilliseconds) break;
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  if (detector.state() != QProcess::NotRunning) {
    detector.kill();
    detector.waitForFinished(1000);
    return;
  }
  if (const std::optional<EyePositions> eyes = run->ReadAnswer())
    lines_ = LinesFromAnswer(*eyes, fit_, portrait_.Width(), portrait_.Height(), lines_);
}

void TFormAdjust::PlaceBoxOnEyeLine() {
  faceBox_ = FaceBoxOnEyeLine(lines_, viewWidth_, viewHeight_);
  eyeOffset_ = EyeOffset(lines_, faceBox_);
}

void TFormAdjust::ChooseKind(SourceKind kind) {
  kind_ = kind;
  for (int i = 0; i < 3; ++i) kindButtons_[i]->SetPressed(static_cast<int>(kind_) == i);
  Redraw();
}

// The view with what the user places on it: lines and the face box drawn
// inverting what lies beneath, frames likewise, the nail marks over it.
void TFormAdjust::Redraw() {
  if (viewPicture_.Empty()) return;
  QImage image = ToQImage(viewPicture_).copy();
  QPainter p(&image);
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.setPen(Qt::white);
  p.setBrush(Qt::NoBrush);
  const int w = viewWidth_, h = viewHeight_;
  switch (kind_) {
    case SourceKind::Face:
      p.drawLine(lines_.leftEyeX, 0, lines_.leftEyeX, h);
      p.drawLine(lines_.rightEyeX, 0, lines_.rightEyeX, h);
      p.drawLine(0, lines_.eyeY, w, lines_.eyeY);
      if (faceBoxShown_) {
        const int left = std::max(0, faceBox_.left), top = std::max(0, faceBox_.top);
        p.drawRect(left, top, std::min(w, faceBox_.left + faceBox_.width) - left - 1,
                   std::min(h, faceBox_.top + faceBox_.height) - top - 1);
      }
      break;
    case SourceKind::Hand: {
      p.drawRect(handFrame_.left, handFrame_.top, handFrame_.width - 1, handFrame_.height - 1);
      p.setCompositionMode(QPainter::CompositionMode_SourceOver);
      p.setRenderHint(QPainter::Antialiasing);
      for (size_t i = 0; i < markers_.size(); ++i) {
        const NailMarker& m = markers_[i];
        const bool active = activeMark_ == static_cast<int>(i) + 1;
        const double mw = MarkerPictureWidth(m), mh = MarkerPictureHeight(m);
        p.save();
        p.translate(m.centre.x, m.centre.y);
        p.rotate(-m.angle);
        p.setPen(active ? QColor(0, 0, 128) : Qt::black);
        p.setBrush(active ? QColor(255, 0, 255) : QColor(255, 0, 0));
        // The nail: the ellipse's part above three quarters of its height.
        p.drawChord(QRectF(-mw / 2, -mh / 2, mw, mh), -30 * 16, 240 * 16);
        p.setPen(QColor(255, 255, 0));
        p.setFont(QFont("Arial", 8, QFont::Bold));
        p.drawText(QRectF(-mw / 2, -mh / 2, mw, mh), Qt::AlignCenter, QString::number(i + 1));
        p.restore();
      }
      break;
    }
    case SourceKind::Body:
      p.drawRect(bodyFrame_.left, bodyFrame_.top, bodyFrame_.width - 1, bodyFrame_.height - 1);
      break;
  }
  p.end();
  // Inverting flips the opacity too; the view is opaque.
  Picture shown = FromQImage(image);
  SetAlpha(shown, 255);
  view_->SetPicture(std::move(shown));
}

void TFormAdjust::OkClick() {
  if (portrait_.Empty()) return;
  const bool laid = kind_ == SourceKind::Face ? LayFace() : LayFrame(kind_);
  if (!laid) return;
  close();
  if (onLaid) onLaid();
}

bool TFormAdjust::LayFace() {
  FaceAdjustment a;
  a.lines = lines_;
  a.faceBox = faceBox_;
  a.eyeOffset = eyeOffset_;
  a.fit = fit_;
  a.pictureWidth = portrait_.Width();
  a.pictureHeight = portrait_.Height();
  a.viewWidth = viewWidth_;
  a.viewHeight = viewHeight_;
  const std::optional<FacePlacement> placed =
      LayAdjustedFace(session_, anchors_, portrait_, a, GetTermin("PortraitLayerName", "Portrait"), fromLayeredFile_);
  if (!placed) return false;
  eyeOffset_ = placed->eye;
  return true;
}

bool TFormAdjust::LayFrame(SourceKind kind) {
  const bool hand = kind == SourceKind::Hand;
  const ZoomFrame& frame = hand ? handFrame_ : bodyFrame_;
  const Picture picture =
      MakeReferencePicture(portrait_, PlaceFrame(frame, fit_), viewWidth_, viewHeight_, fromLayeredFile_);
  const std::optional<Point> at = session_.LayReferenceLayer(
      hand ? EditingSession::ReferenceKind::Hand : EditingSession::ReferenceKind::Body, picture,
      hand ? GetTermin("HandLayerName", "Hand") : GetTermin("BodyLayerName", "Body"), fromLayeredFile_);
  if (!at) return false;
  const DeskGeometry& g = session_.Desk().Geometry();
  if (hand)
    for (size_t i = 0; i < markers_.size(); ++i)
      anchors_.nails[i] = NailAnchor(markers_[i], frame, *at, g.tableWidth, g.tableHeight);
  else
    anchors_.body = {picture.Width() / 2 + at->x, picture.Height() / 2 + at->y};
  return true;
}

bool TFormAdjust::eventFilter(QObject* watched, QEvent* event) {
  if (watched != view_) return TSkinnedForm::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* e = static_cast<QMouseEvent*>(event);
      ViewPress(e->position().toPoint(), e->button(), e->modifiers());
      return true;
    }
    case QEvent::MouseMove: {
      const auto* e = static_cast<QMouseEvent*>(event);
      ViewMove(e->position().toPoint(), e->buttons());
      return true;
    }
    case QEvent::MouseButtonRelease: {
      const auto* e = static_cast<QMouseEvent*>(event);
      ViewRelease(e->position().toPoint(), e->button());
      return true;
    }
    case QEvent::Leave:
      view_->unsetCursor();
      return false;
    default:
      return false;
  }
}

}  // namespace lumena
