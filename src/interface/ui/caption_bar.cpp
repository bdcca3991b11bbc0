#include "interface/ui/caption_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "images/ui/qt_picture.h"
#include "interface/ui/interface_color.h"
#include "interface/ui/skinned_form.h"
#include "platform/ui/qt_text.h"

namespace lumena {

QFont CaptionFont(int pixelSize) {
  QFont font("Arial");
  font.setPixelSize(pixelSize);
  font.setBold(true);
  return font;
}

void ShowInCaptionStyle(QWidget& text, int pixelSize) {
  text.setFont(CaptionFont(pixelSize));
  QPalette palette = text.palette();
  palette.setColor(QPalette::WindowText, ColorFromNumber(TCaptionBar::kCaptionColourNumber));
  text.setPalette(palette);
}

TDrawPanel::TDrawPanel(QWidget* parent, const QString& name) : QWidget(parent) { setObjectName(name); }

void TDrawPanel::SetPicture(Picture picture) {
  picture_ = std::move(picture);
  update();
}

void TDrawPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (OnPaint) {
    OnPaint(painter);
    return;
  }
  if (picture_.Empty()) return;
  painter.drawTiledPixmap(rect(), QPixmap::fromImage(ToQImage(picture_)));
  PaintOver(painter);
}

TCaptionBar::TCaptionBar(QWidget* parent, const QString& name)
    : TDrawPanel(parent, name), fontColour_(ColorFromNumber(kCaptionColourNumber)) {
  setFont(CaptionFont(12));
}

void TCaptionBar::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TCaptionBar::SetAlignment(Qt::Alignment alignment) {
  alignment_ = alignment;
  update();
}

int TCaptionBar::TextX(int textWidth) const {
  int left = 0, right = width();
  for (const QObject* child : children()) {
    const auto* control = qobject_cast<const QWidget*>(child);
    if (!control || control->isWindow()) continue;
    const QRect g = control->geometry();
    if (g.x() + g.width() <= width() / 2)
      left = std::max(left, g.x() + g.width());
    else if (g.x() >= width() / 2)
      right = std::min(right, g.x());
  }
  if (alignment_ & Qt::AlignRight) return right - textWidth - 2;
  if (alignment_ & Qt::AlignHCenter) return left + (right - left) / 2 - textWidth / 2;
  return left + 2;
}

void TCaptionBar::PaintOver(QPainter& painter) {
  const QFontMetrics metrics(font());
  const int textWidth = metrics.horizontalAdvance(caption_);
  const int y = height() / 2 - metrics.height() / 2;
  painter.setFont(font());
  painter.setPen(fontColour_);
  painter.drawText(QPoint(TextX(textWidth), y + metrics.ascent()), caption_);
}

QWidget* TCaptionBar::Form() const {
  QWidget* w = parentWidget();
  while (w && !w->isWindow() && !qobject_cast<TSkinnedForm*>(w)) w = w->parentWidget();
  return w ? w : window();
}

// A top-level window moves through the window system; an embedded one is
// dragged within its parent.
void TCaptionBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  QWidget* w = Form();
  if (w->isWindow()) {
    if (w->windowHandle()) w->windowHandle()->startSystemMove();
    return;
  }
  dragOffset_ = event->globalPosition().toPoint() - w->pos();
}

void TCaptionBar::mouseMoveEvent(QMouseEvent* event) {
  if (dragOffset_) Form()->move(event->globalPosition().toPoint() - *dragOffset_);
}

void TCaptionBar::mouseReleaseEvent(QMouseEvent*) { dragOffset_.reset(); }

void TCaptionBar::mouseDoubleClickEvent(QMouseEvent*) {
  QWidget* w = Form();
  if (!(w->windowFlags() & Qt::WindowMaximizeButtonHint)) return;
  w->isMaximized() ? w->showNormal() : w->showMaximized();
}

bool TCaptionBar::ApplyInterfaceParam(std::string_view name, std::string_view value, std::optional<int> number) {
  if (name == "FONTCOLOR" && number) {
    fontColour_ = ColorFromNumber(*number);
  } else if (name == "FONTSIZE" && number) {
    QFont f = font();
    f.setPointSize(*number);
    setFont(f);
  } else if (name == "FONTNAME" && !number) {
    QFont f = font();
    f.setFamily(ToQString(value));
    setFont(f);
  } else {
    return false;
  }
  update();
  return true;
}

}  // namespace lumena
