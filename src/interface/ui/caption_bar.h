#pragma once
// A panel showing a picture, and the caption bar built on it: the top strip
// of a skinned window, which drags the window and shows its caption.
#include <QWidget>
#include <functional>
#include <optional>

#include "images/picture.h"
#include "interface/ui/interface_param_target.h"

namespace lumena {

// The font of captions and messages: bold "Arial" of a pixel size.
QFont CaptionFont(int pixelSize);
// A window's text in the captions' font and colour.
void ShowInCaptionStyle(QWidget& text, int pixelSize);

class TDrawPanel : public QWidget {
  Q_OBJECT

 public:
  explicit TDrawPanel(QWidget* parent = nullptr, const QString& name = {});

  const Picture& GetPicture() const { return picture_; }
  void SetPicture(Picture picture);
  std::function<void(QPainter&)> OnPaint;

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Draws on top of the tiled picture (the caption text).
  virtual void PaintOver(QPainter&) {}

 private:
  Picture picture_;
};

class TCaptionBar : public TDrawPanel, public InterfaceParamTarget {
  Q_OBJECT

 public:
  // The gold of every caption: red 253, green 218, blue 121.
  static constexpr int kCaptionColourNumber = 7985661;

  explicit TCaptionBar(QWidget* parent = nullptr, const QString& name = "CaptionBar");

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  Qt::Alignment Alignment() const { return alignment_; }
  void SetAlignment(Qt::Alignment alignment);
  QColor FontColour() const { return fontColour_; }

  // Where the caption's left edge goes for a text of that width.
  int TextX(int textWidth) const;

  bool ApplyInterfaceParam(std::string_view upperName, std::string_view value, std::optional<int> number) override;

 protected:
  void PaintOver(QPainter& painter) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // The window the bar belongs to: a top-level window, or a window embedded
  // in another (the main window on the backdrop).
  QWidget* Form() const;
  std::optional<QPoint> dragOffset_;
  QString caption_;
  Qt::Alignment alignment_ = Qt::AlignLeft;
  QColor fontColour_;
};

}  // namespace lumena
