#pragma once
// A graphic button whose cell is a track, with a second graphic button drawn
// inside it as the thumb.
#include <optional>

#include "interface/slider_track.h"
#include "interface/ui/graphic_button.h"

namespace lumena {

class TGraphicSlider : public TGraphicButton {
  Q_OBJECT

 public:
  explicit TGraphicSlider(QWidget* parent = nullptr, const QString& name = {});

  int32_t Min() const { return min_; }
  int32_t Max() const { return max_; }
  int32_t Value() const { return value_; }
  void SetMin(int32_t min);
  void SetMax(int32_t max);
  void SetValue(int32_t value);
  void SetAllValues(int32_t min, int32_t max, int32_t value);

  int32_t ResImageLeft = 0, ResImageTop = 0, BeginOffset = 0, EndOffset = 0;
  int32_t SlideBtnLeft = 0, SlideBtnTop = 0;
  bool SlideBtnVisible = true;
  bool Reversed = false;
  TGraphicButton* SlideButton() const { return slideButton_; }
  // The thumb is hidden as a control of its own and drawn inside the slider.
  void SetSlideButton(TGraphicButton* thumb);
  std::function<void()> OnChange;

  bool Vertical() const { return width() < height(); }
  SliderTrack Track() const;
  int32_t ValuePix() const { return lumena::ValuePix(Track(), value_); }
  bool Dragging() const { return dragging_; }

  void AssignFrom(const TGraphicButton& other) override;
  Picture RenderSlider();

  bool ApplyInterfaceParam(std::string_view upperName, std::string_view value, std::optional<int> number) override;
  void AfterInterfaceApplied() override {}

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int Along(QPoint p) const { return Vertical() ? p.y() : p.x(); }
  QRect ThumbRect() const;
  void DrawThumb(Picture& output);
  void DragTo(QPoint point);

  int32_t min_ = 0, max_ = 100, value_ = 0;
  TGraphicButton* slideButton_ = nullptr;
  bool dragging_ = false;
  std::optional<int> grabOffset_;
  std::optional<QPoint> lastDrag_;
};

}  // namespace lumena
