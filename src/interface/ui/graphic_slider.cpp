#include "interface/ui/graphic_slider.h"

#include <QMouseEvent>
#include <QPainter>

#include "interface/ui/sound_hint.h"
#include "platform/text.h"
#include "images/ui/qt_picture.h"

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

SliderTrack TGraphicSlider::track() const {
  return {vertical() ? ResImageTop : ResImageLeft, vertical() ? Resource.Height : Resource.Width,
          BeginOffset, EndOffset, min_, max_, Reversed};
}

QRect TGraphicSlider::thumbRect() const {
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

void TGraphicSlider::drawThumb(Picture& output) {
  TGraphicButton* thumb = slideButton_;
  if (!thumb || !thumb->Resource.picture() || !SlideBtnVisible) return;
  const int thumbLength = vertical() ? thumb->height() : thumb->width();
  const int sliderLength = vertical() ? height() : width();
  const int corner = ThumbCorner(ValuePix(), dragging_ ? grabOffset_ : std::nullopt, thumbLength, sliderLength);
  (vertical() ? SlideBtnTop : SlideBtnLeft) = corner;
  const QRect r = thumbRect();
  const int32_t normal = thumb->Resource.AutoNormal < 0 ? 0 : thumb->Resource.AutoNormal;
  thumb->Resource.Index = dragging_ && thumb->Resource.AutoPressed >= 0 ? thumb->Resource.AutoPressed : normal;
  Picture under = CutCell(output, r.x(), r.y(), r.width(), r.height());
  PastePicture(output, thumb->RenderOver(std::move(under)), {r.x(), r.y()});
}

Picture TGraphicSlider::RenderSlider() {
  Picture output = background();
  if (output.empty()) output = Picture(width(), height());
  if (OnPaint) OnPaint(output);
  if (const Picture* picture = Resource.picture(); picture && Transparency() <= 100) {
    const Picture cell = CutCell(*picture, Resource.cellLeft(0), Resource.cellTop(0), Resource.Width, Resource.Height);
    BlendTrack(output, cell, {ResImageLeft, ResImageTop});
  }
  drawThumb(output);
  return output;
}

void TGraphicSlider::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, toQImage(RenderSlider()));
}

void TGraphicSlider::mousePressEvent(QMouseEvent* event) {
  TGraphicButton::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  const SliderTrack t = track();
  const QRect trackRect = vertical() ? QRect(ResImageLeft, t.start(), Resource.Width, t.usableLength())
                                     : QRect(t.start(), ResImageTop, t.usableLength(), Resource.Height);
  const bool onThumb = slideButton_ && thumbRect().contains(p);
  if (!onThumb && !trackRect.contains(p)) return;
  dragging_ = true;
  TSoundHint::SetSuppressed(true);
  grabOffset_ = onThumb ? std::optional<int>(along(p) - along(thumbRect().topLeft())) : std::nullopt;
  lastDrag_.reset();
  dragTo(p);
  update();
}

void TGraphicSlider::dragTo(QPoint point) {
  if (lastDrag_ == point && grabOffset_) return;
  lastDrag_ = point;
  if (const auto v = ValueAtPosition(track(), along(point)); v && *v != value_) SetValue(*v);
}

void TGraphicSlider::mouseMoveEvent(QMouseEvent* event) {
  TGraphicButton::mouseMoveEvent(event);
  if (dragging_) dragTo(event->position().toPoint());
}

void TGraphicSlider::mouseReleaseEvent(QMouseEvent* event) {
  TGraphicButton::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !dragging_) return;
  dragging_ = false;
  grabOffset_.reset();
  TSoundHint::SetSuppressed(false);
  update();
}

bool TGraphicSlider::applyInterfaceParam(std::string_view name, std::string_view value, std::optional<int> number) {
  static constexpr std::pair<std::string_view, int32_t TGraphicSlider::*> kPlaces[] = {
      {"BEGINOFFSET", &TGraphicSlider::BeginOffset},   {"ENDOFFSET", &TGraphicSlider::EndOffset},
      {"SLIDEBTNLEFT", &TGraphicSlider::SlideBtnLeft}, {"SLIDEBTNTOP", &TGraphicSlider::SlideBtnTop},
      {"RESIMAGELEFT", &TGraphicSlider::ResImageLeft}, {"RESIMAGETOP", &TGraphicSlider::ResImageTop},
  };
  if (name == "REVERSED" && !number) {
    Reversed = iequals(value, "TRUE");
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
  return TGraphicButton::applyInterfaceParam(name, value, number);
}

}  // namespace lumena
