#include "editing/ui/form_layer_region_edit.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "editing/editing_session.h"
#include "editing/region_edit_window_layout.h"
#include "images/ui/qt_picture.h"
#include "interface/interface_context.h"
#include "interface/ui/apply_interface_info.h"
#include "interface/ui/caption_bar.h"
#include "interface/ui/graphic_slider.h"
#include "interface/ui/layout_builder.h"
#include "interface/ui/picture_control.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/qt_text.h"

namespace lumena {

namespace {

constexpr int kCursorLasso = 114;

ClickKeys KeysOf(Qt::KeyboardModifiers m) {
  return {.ctrl = m.testFlag(Qt::ControlModifier),
          .shift = m.testFlag(Qt::ShiftModifier),
          .alt = m.testFlag(Qt::AltModifier)};
}

ClickButton ButtonOf(Qt::MouseButton b) {
  if (b == Qt::RightButton) return ClickButton::Right;
  return b == Qt::LeftButton ? ClickButton::Left : ClickButton::Middle;
}

void SetLabel(QLabel& label, std::string_view key, std::string_view fallback) {
  label.setText(ToQString(GetTermin(key, std::string(fallback))));
  ShowInCaptionStyle(label, 12);
}

}  // namespace

TFormLayerRegionEdit::TFormLayerRegionEdit(EditingSession& session, const TGraphicButton& mainExit,
                                           std::function<QCursor(int number)> cursors)
    : TSkinnedForm(ToQString(kRegionEditWindowLayout.name)), session_(session), cursors_(std::move(cursors)) {
  resize(kRegionEditWindowLayout.width, kRegionEditWindowLayout.height);
  TPictureControl* buttons = ImageButtons();
  BuildLayoutControls(this, kRegionEditWindowLayout, [buttons](std::string_view) { return buttons; });
  image_ = ChildByName<TPictureControl>(*this, "ImageLayer");
  image_->show();
  image_->setMouseTracking(true);
  image_->installEventFilter(this);
  hPos_ = ChildByName<TGraphicSlider>(*this, "SliderHPos");
  vPos_ = ChildByName<TGraphicSlider>(*this, "SliderVPos");
  hPos_->OnChange = [this] { scroll_.x = hPos_->Value(), Redraw(); };
  vPos_->OnChange = [this] { scroll_.y = vPos_->Value(), Redraw(); };
  tolerance_ = ChildByName<TGraphicSlider>(*this, "SliderTolerance");
  tolerance_->SetAllValues(0, kToleranceMax, kToleranceStart);
  tolerance_->OnChange = [this] { ToleranceChanged(); };
  gridCols_ = ChildByName<TGraphicSlider>(*this, "SliderGridCols");
  gridRows_ = ChildByName<TGraphicSlider>(*this, "SliderGridRows");
  for (TGraphicSlider* s : {gridCols_, gridRows_}) {
    s->SetAllValues(kGridMinCells, kGridMaxCells, kGridStartCells);
    s->OnChange = [this] { GridSliderMoved(); };
  }
  toleranceText_ = ChildByName<QLabel>(*this, "EditTolerance");
  gridColsText_ = ChildByName<QLabel>(*this, "EditGridCols");
  gridRowsText_ = ChildByName<QLabel>(*this, "EditGridRows");
  for (QLabel* label : {toleranceText_, gridColsText_, gridRowsText_}) ShowInCaptionStyle(*label, 12);
  SetLabel(*ChildByName<QLabel>(*this, "LabelTolerance"), "FormLayerRegionEditLabelToleranceCaption", "Tolerance");
  SetLabel(*ChildByName<QLabel>(*this, "LabelGridCols"), "FormLayerRegionLabelGridColsCaption", "Columns");
  SetLabel(*ChildByName<QLabel>(*this, "LabelGridRows"), "FormLayerRegionLabelGridRowsCaption", "Rows");
  lasso_ = ChildByName<TGraphicButton>(*this, "ButtonLasso");
  lasso_->OnClick = [this] { ToggleLasso(); };
  grid_ = ChildByName<TGraphicButton>(*this, "ButtonGrid");
  grid_->OnClick = [this] { SetGridOn(!grid_->Pressed()); };
  restrict_ = ChildByName<TGraphicButton>(*this, "ButtonEditRegion");
  restrict_->OnClick = [this] { ToggleRestriction(); };
  ChildByName<TGraphicButton>(*this, "ButtonClear")->OnClick = [this] { Clear(); };
  ChildByName<TGraphicButton>(*this, "ButtonOK")->OnClick = [this] { ButtonOKClick(); };
  ChildByName<TGraphicButton>(*this, "ButtonCancel")->OnClick = [this] { ButtonCancelClick(); };
  CopyExitButton(mainExit);
  if (QWidget* main = MainForm()) move(main->mapToGlobal(QPoint(120, 80)));
  ApplyInterfaceInfo(this);
  setWindowTitle(ToQString(GetTermin("ProductName", "")));
  CaptionBar()->SetCaption(ToQString(GetTermin("FormLayerRegionEditCaption", "Region editor")));
}

void TFormLayerRegionEdit::LoadMask(const TLayer& layer) {
  if (!edit_.Load(layer)) return;
  ok_ = false;
  if (isVisible()) {
    PlaceImage();
    Redraw();
  } else {
    show();
  }
  raise();
  activateWindow();
}

void TFormLayerRegionEdit::FormShow() {
  LoadSkin("FormLayerRegionEdit.Skin", kRegionEditWindowLayout.skinDefault);
  KeepOnScreen();
  LoadButtonsPicture(kRegionEditSheet.key, kRegionEditSheet.file, true);
  ok_ = false;
  lassoMode_ = false;
  lasso_->SetPressed(false);
  image_->setCursor(Qt::ArrowCursor);
  restrict_->SetPressed(false);
  edit_.SetRestriction(false);
  SetGridOn(false);
  toleranceText_->setText(QString::number(tolerance_->Value()));
  gridColsText_->setText(QString::number(gridCols_->Value()));
  gridRowsText_->setText(QString::number(gridRows_->Value()));
  edit_.ChangeTolerance(tolerance_->Value(), false);
  PlaceImage();
  Redraw();
}

void TFormLayerRegionEdit::FormClose() {
  if (ok_ && session_.CommitRegionEdit(edit_) && onEdited) onEdited();
  ok_ = false;
  edit_.Drop();
  shown_.Clear();
  image_->ClearPicture();
  FreeButtonsPicture();
  FreeSkin();
}

void TFormLayerRegionEdit::ButtonOKClick() {
  ok_ = true;
  close();
}

void TFormLayerRegionEdit::ButtonCancelClick() {
  ok_ = false;
  close();
}

void TFormLayerRegionEdit::CheckLayer() {
  if (!isVisible() || !edit_.Loaded()) return;
  const int index = session_.Desk().IndexOf(edit_.SourceLayer());
  if (index >= 0) {
    const Picture& picture = session_.Desk().Layer(index).WorkPicture();
    if (picture.Width() == edit_.GetPicture().Width() && picture.Height() == edit_.GetPicture().Height()) return;
  }
  ButtonCancelClick();
}

// A picture wider or higher than the box scrolls; a smaller one is centred.
void TFormLayerRegionEdit::PlaceImage() {
  const int w = edit_.GetPicture().Width(), h = edit_.GetPicture().Height();
  scroll_ = {};
  FitScrollSlider(*hPos_, w, kScrollBoxWidth);
  FitScrollSlider(*vPos_, h, kScrollBoxHeight);
  const int shownW = std::min(w, kScrollBoxWidth), shownH = std::min(h, kScrollBoxHeight);
  image_->setGeometry((kScrollBoxWidth - shownW) / 2, (kScrollBoxHeight - shownH) / 2, shownW, shownH);
}

void TFormLayerRegionEdit::FitScrollSlider(TGraphicSlider& slider, int pictureSide, int boxSide) {
  const auto change = std::exchange(slider.OnChange, nullptr);
  slider.SetAllValues(0, std::max(pictureSide - boxSide, 0), 0);
  slider.OnChange = change;
  slider.setVisible(pictureSide > boxSide);
}

void TFormLayerRegionEdit::Redraw() {
  if (!edit_.Loaded()) return;
  edit_.DrawDisplay(shown_, {scroll_.x, scroll_.y, scroll_.x + image_->width(), scroll_.y + image_->height()});
  image_->SetPicture(shown_);
}

// Shift is read from the keyboard itself: the slider has the mouse, and a
// key pressed elsewhere must count too.
void TFormLayerRegionEdit::ToleranceChanged() {
  toleranceText_->setText(QString::number(tolerance_->Value()));
  const bool shift = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
  edit_.ChangeTolerance(tolerance_->Value(), shift);
  if (shift) Redraw();
}

void TFormLayerRegionEdit::GridSliderMoved() {
  gridColsText_->setText(QString::number(gridCols_->Value()));
  gridRowsText_->setText(QString::number(gridRows_->Value()));
  SetGridOn(true);
}

void TFormLayerRegionEdit::SetGridOn(bool on) {
  grid_->SetPressed(on);
  edit_.SetGrid(on, gridCols_->Value(), gridRows_->Value());
  Redraw();
}

void TFormLayerRegionEdit::ToggleLasso() {
  lassoMode_ = !lassoMode_;
  lasso_->SetPressed(lassoMode_);
  if (lassoMode_ && cursors_)
    image_->setCursor(cursors_(kCursorLasso));
  else
    image_->setCursor(Qt::ArrowCursor);
}

void TFormLayerRegionEdit::ToggleRestriction() {
  restrict_->SetPressed(!restrict_->Pressed());
  edit_.SetRestriction(restrict_->Pressed());
}

void TFormLayerRegionEdit::Clear() {
  edit_.Clear();
  restrict_->SetPressed(false);
  Redraw();
}

void TFormLayerRegionEdit::MousePress(QMouseEvent* event) {
  const Point p = PicturePoint(event->position().toPoint());
  if (!lassoMode_) {
    edit_.Click(p, KeysOf(event->modifiers()), ButtonOf(event->button()));
    return Redraw();
  }
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
  edit_.StartLasso(p, event->button() == Qt::LeftButton ? LassoAction::Add : LassoAction::Remove);
  lastLassoPoint_ = p;
  DrawLassoLine(p, p);
}

void TFormLayerRegionEdit::MouseMove(QMouseEvent* event) {
  if (edit_.Lasso() == LassoAction::None) return;
  const Point p = PicturePoint(event->position().toPoint());
  edit_.ExtendLasso(p);
  DrawLassoLine(lastLassoPoint_, p);
  lastLassoPoint_ = p;
}

void TFormLayerRegionEdit::MouseRelease() {
  if (edit_.Lasso() == LassoAction::None) return;
  edit_.FinishLasso();
  Redraw();
}

// The first point is a yellow dot, the rest red lines, on the shown part.
void TFormLayerRegionEdit::DrawLassoLine(Point from, Point to) {
  QImage image = ToQImage(shown_);
  {
    QPainter painter(&image);
    const QPoint a(from.x - scroll_.x, from.y - scroll_.y), b(to.x - scroll_.x, to.y - scroll_.y);
    if (from == to) {
      painter.setPen(Qt::yellow);
      painter.drawPoint(a);
    } else {
      painter.setPen(Qt::red);
      painter.drawLine(a, b);
    }
  }
  shown_ = FromQImage(image);
  image_->SetPicture(shown_);
}

bool TFormLayerRegionEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched != image_) return TSkinnedForm::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      CheckLayer();
      if (edit_.Loaded()) MousePress(static_cast<QMouseEvent*>(event));
      return true;
    case QEvent::MouseMove:
      MouseMove(static_cast<QMouseEvent*>(event));
      return true;
    case QEvent::MouseButtonRelease:
      MouseRelease();
      return true;
    default:
      return TSkinnedForm::eventFilter(watched, event);
  }
}

}  // namespace lumena
