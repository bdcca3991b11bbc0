#include "interface/ui/graphic_slider.h"

#include <QMouseEvent>
#include <QPainter>

#include "images/ui/qt_picture.h"
#include "interface/ui/sound_hint.h"
#include "platform/text.h"

namespace lumena {

TGraphicSlider::TGraphicSlider(QWidget* parent, const QString& name) : TGraphicButton(parent, name) {}

void TGraphicSlider::SetMin(int32_t min) {
  min_ = min;
  update();
}

void TGraphicSlider::SetMax(int32_t max) {
  max_ = max;
  update();
}

void TGraphicSlider::SetValue(int32_t value) {
  if (value == value_) return;
  value_ = std::clamp(value, min_, std::max(min_, max_));
  if (OnChange) OnChange();
  update();
}

void TGraphicSlider::SetAllValues(int32_t min, int32_t max, int32_t value) {
  if (min == min_ && max == max_ && value == value_) return;
  min_ = min;
  max_ = max;
  value_ = std::clamp(value, min_, std::max(min_, max_));
  if (OnChange) OnChange();
  update();
}

void TGraphicSlider::SetSlideButton(TGraphicButton* thumb) {
  slideButton_ = thumb;
  if (thumb) thumb->hide();
  update();
}

SliderTrack TGraphicSlider::Track() const {
  return {Vertical() ? ResImageTop : ResImageLeft,
          Vertical() ? Resource.Height : Resource.Width,
          BeginOffset,
          EndOffset,
          min_,
          max_,
          Reversed};
}

QRect TGraphicSlider::ThumbRect() const {
  return slideButton_ ? QRect(SlideBtnLeft, SlideBtnTop, slideButton_->width(), slideButton_->height()) : QRect();
}

void TGraphicSlider::AssignFrom(const TGraphicButton& other) {
  TGraphicButton::AssignFrom(other);
  const auto* slider = dynamic_cast<const TGraphicSlider*>(&other);
  if (!slider) return;
  min_ = slider->min_;
  max_ = slider->max_;
  value_ = slider->value_;
  ResImageLeft = slider->ResImageLeft;
  ResImageTop = slider->ResImageTop;
  BeginOffset = slider->BeginOffset;
  EndOffset = slider->EndOffset;
  slideButton_ = slider->slideButton_;
  SlideBtnLeft = slider->SlideBtnLeft;
  SlideBtnTop = slider->SlideBtnTop;
  SlideBtnVisible = slider->SlideBtnVisible;
  Reversed = slider->Reversed;
  OnChange = slider->OnChange;
  update();
}

void TGraphicSlider::DrawThumb(Picture& output) {
  TGraphicButton* thumb = slideButton_;
  if (!thumb || !thumb->Resource.GetPicture() || !SlideBtnVisible) return;
  const int thumbLength = Vertical() ? thumb->height() : thumb->width();
  const int sliderLength = Vertical() ? height() : width();
  const int corner = ThumbCorner(ValuePix(), dragging_ ? grabOffset_ : std::nullopt, thumbLength, sliderLength);
  (Vertical() ? SlideBtnTop : SlideBtnLeft) = corner;
  const QRect r = ThumbRect();
  const int32_t normal = thumb->Resource.AutoNormal < 0 ? 0 : thumb->Resource.AutoNormal;
  thumb->Resource.Index = dragging_ && thumb->Resource.AutoPressed >= 0 ? thumb->Resource.AutoPressed : normal;
  Picture under = CutCell(output, r.x(), r.y(), r.width(), r.height());
  PastePicture(output, thumb->RenderOver(std::move(under)), {r.x(), r.y()});
}

Picture TGraphicSlider::RenderSlider() {
  Picture output = Background();
  if (output.Empty()) output = Picture(width(), height());
  if (OnPaint) OnPaint(output);
  if (const Picture* picture = Resource.GetPicture(); picture && Transparency() <= 100) {
    const Picture cell = CutCell(*picture, Resource.CellLeft(0), Resource.CellTop(0), Resource.Width, Resource.Height);
    BlendTrack(output, cell, {ResImageLeft, ResImageTop});
  }
  DrawThumb(output);
  return output;
}

void TGraphicSlider::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, ToQImage(RenderSlider()));
}

void TGraphicSlider::mousePressEvent(QMouseEvent* event) {
  TGraphicButton::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  const SliderTrack t = Track();
  const QRect trackRect = Vertical() ? QRect(ResImageLeft, t.Start(), Resource.Width, t.UsableLength())
                                     : QRect(t.Start(), ResImageTop, t.UsableLength(), Resource.Height);
  const bool onThumb = slideButton_ && ThumbRect().contains(p);
  if (!onThumb && !trackRect.contains(p)) return;
  dragging_ = true;
  TSoundHint::SetSuppressed(true);
  grabOffset_ = onThumb ? std::optional<int>(Along(p) - Along(ThumbRect().topLeft())) : std::nullopt;
  lastDrag_.reset();
  DragTo(p);
  update();
}

void TGraphicSlider::DragTo(QPoint point) {
  if (lastDrag_ == point && grabOffset_) return;
  lastDrag_ = point;
  if (const auto v = ValueAtPosition(Track(), Along(point)); v && *v != value_) SetValue(*v);
}

void TGraphicSlider::mouseMoveEvent(QMouseEvent* event) {
  TGraphicButton::mouseMoveEvent(event);
  if (dragging_) DragTo(event->position().toPoint());
}

void TGraphicSlider::mouseReleaseEvent(QMouseEvent* event) {
  TGraphicButton::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !dragging_) return;
  dragging_ = false;
  grabOffset_.reset();
  TSoundHint::SetSuppressed(false);
  update();
}

bool TGraphicSlider::ApplyInterfaceParam(std::string_view name, std::string_view value, std::optional<int> number) {
  static constexpr std::pair<std::string_view, int32_t TGraphicSlider::*> kPlaces[] = {
      {"BEGINOFFSET", &TGraphicSlider::BeginOffset},   {"ENDOFFSET", &TGraphicSlider::EndOffset},
      {"SLIDEBTNLEFT", &TGraphicSlider::SlideBtnLeft}, {"SLIDEBTNTOP", &TGraphicSlider::SlideBtnTop},
      {"RESIMAGELEFT", &TGraphicSlider::ResImageLeft}, {"RESIMAGETOP", &TGraphicSlider::ResImageTop},
  };
  if (name == "REVERSED" && !number) {
    Reversed = Iequals(value, "TRUE");
    update();
    return true;
  }
  for (const auto& [placeName, field] : kPlaces) {
    if (number && name == placeName) {
      this->*field = *number;
      update();
      return true;
    }
  }
  return TGraphicButton::ApplyInterfaceParam(name, value, number);
}

}  // namespace lumena
