#pragma once
// A button drawn from one cell of a shared picture, blended over whatever
// lies beneath it, and active only where its picture is opaque enough.
#include <QWidget>
#include <functional>
#include <optional>

#include "images/picture.h"
#include "interface/ui/graphic_resource.h"
#include "interface/ui/interface_param_target.h"

namespace lumena {

class TGraphicButton : public QWidget, public InterfaceParamTarget {
  Q_OBJECT

 public:
  explicit TGraphicButton(QWidget* parent = nullptr, const QString& name = {});

  TGraphicResource Resource;

  int32_t Transparency() const { return transparency_; }
  // Throws std::out_of_range outside 0..100 and keeps the old value.
  void SetTransparency(int32_t value);
  int32_t ActiveAlpha() const { return activeAlpha_; }
  void SetActiveAlpha(int32_t value);
  bool Pressed() const { return pressed_; }
  void SetPressed(bool pressed);
  int Tag = 0;
  QObject* Link = nullptr;

  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  std::function<void()> OnMouseEnter;
  std::function<void()> OnMouseLeave;
  std::function<void(QMouseEvent*)> OnMouseDown;
  std::function<void(QMouseEvent*)> OnMouseMove;
  std::function<void(QMouseEvent*)> OnMouseUp;
  // May draw on the finished picture before it is shown.
  std::function<void(Picture&)> OnPaint;

  // Copies look, bounds, hint, handlers and every resource property.
  virtual void AssignFrom(const TGraphicButton& other);
  // The same, keeping this button's own place (another window's copy).
  void CopyInPlace(const TGraphicButton& other);

  // The mouse at `point` (button coordinates) is over the active area.
  bool IsOverActiveArea(QPoint point) const;
  // The picture the button shows now.
  Picture RenderOutput();
  // Draws the current cell over a given background of the button's size.
  Picture RenderOver(Picture background) const;
  // What lies beneath is captured again at the next drawing.
  void InvalidateBackground() { background_.Clear(); }

  bool ApplyInterfaceParam(std::string_view upperName, std::string_view value, std::optional<int> number) override;
  void AfterInterfaceApplied() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

  // Shows a cell; -1 leaves the cell as it is.
  void ShowCell(int32_t cell);
  bool NeedsBlending() const;
  const Picture& Background();
  // The cell picture as it is drawn (recoloured when asked).
  Picture CutCurrentCell() const;
  bool Held() const { return held_; }

 private:
  int32_t transparency_ = 1;
  int32_t activeAlpha_ = 0;
  bool pressed_ = false;
  bool held_ = false;
  std::optional<QPoint> lastMouse_;
  Picture background_;
};

}  // namespace lumena
