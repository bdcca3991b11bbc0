// The pictures shown whole on the main window: the tool panels' skins, the
// modes' skins that mark each slider with what it changes, and the
// palette's tray.
#include <QLinearGradient>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>

#include "icon_art.h"
#include "interface/main_form_params.h"
#include "interface_art.h"
#include "work/palette_grid.h"

namespace lumena::tools {

namespace {

const QColor kRim(201, 168, 92, 200);

QImage Transparent(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

QImage DrawPanel(int width, int height) {
  QImage image = Transparent(width, height);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient body(0, 0, 0, height);
  body.setColorAt(0, QColor(48, 37, 62, 235));
  body.setColorAt(1, QColor(26, 20, 36, 235));
  p.setBrush(body);
  p.setPen(QPen(kRim, 1));
  p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 10, 10);
  return image;
}

// What each mode's sliders change, in the panel's order.
struct ModeSliders {
  ButtonIcon mode;
  std::array<std::string_view, 5> sliders;
};
constexpr ModeSliders kModeSliders[] = {
    {ButtonIcon::Coloration,
     {"SliderRedColor", "SliderGreenColor", "SliderBlueColor", "SliderHue", "SliderSaturation"}},
    {ButtonIcon::Appearance, {"SliderBrightness", "SliderContrast", "SliderOpacity"}},
    {ButtonIcon::Brush, {"SliderBrushPower", "SliderBrushSize"}},
    {ButtonIcon::Eraser, {"SliderEraserPower", "SliderEraserSize"}},
    {ButtonIcon::Modifier, {"SliderModifierPower", "SliderModifierSize"}},
};

void DrawDot(QPainter& p, QPointF c, double r, const QColor& colour) {
  p.setBrush(colour);
  p.drawEllipse(c, r, r);
  p.setBrush(Qt::NoBrush);
}

// A small mark beside a slider, centred on `c`.
void DrawSliderGlyph(QPainter& p, std::string_view slider, QPointF c) {
  if (slider == "SliderRedColor") return DrawDot(p, c, 5, QColor(226, 72, 64));
  if (slider == "SliderGreenColor") return DrawDot(p, c, 5, QColor(96, 196, 90));
  if (slider == "SliderBlueColor") return DrawDot(p, c, 5, QColor(80, 130, 230));
  if (slider == "SliderHue") {
    for (int i = 0; i < 6; ++i) {
      p.setBrush(QColor::fromHsv(i * 60, 220, 240));
      p.drawPie(QRectF(c.x() - 6, c.y() - 6, 12, 12), i * 60 * 16, 60 * 16);
    }
    p.setBrush(Qt::NoBrush);
    return;
  }
  if (slider == "SliderSaturation") {
    DrawDot(p, c, 5.5, QColor(128, 128, 128));
    p.setBrush(QColor(230, 80, 160));
    p.drawPie(QRectF(c.x() - 5.5, c.y() - 5.5, 11, 11), 90 * 16, 180 * 16);
    p.setBrush(Qt::NoBrush);
    return;
  }
  if (slider == "SliderBrightness") {
    DrawDot(p, c, 3, kGold);
    for (int i = 0; i < 8; ++i) {
      const QPointF d(std::cos(i * std::numbers::pi / 4), std::sin(i * std::numbers::pi / 4));
      p.drawLine(c + d * 4.5, c + d * 7);
    }
    return;
  }
  if (slider == "SliderContrast") {
    DrawDot(p, c, 6, Qt::black);
    p.setBrush(Qt::white);
    p.drawPie(QRectF(c.x() - 6, c.y() - 6, 12, 12), 90 * 16, 180 * 16);
    p.setBrush(Qt::NoBrush);
    return;
  }
  if (slider == "SliderOpacity") {
    for (int i = 0; i < 4; ++i)
      p.fillRect(QRectF(c.x() - 6 + (i % 2) * 6, c.y() - 6 + (i / 2) * 6, 6, 6),
                 (i == 0 || i == 3) ? QColor(220, 220, 220) : QColor(110, 110, 110));
    return;
  }
  if (slider.ends_with("Power")) {
    for (int i = 0; i < 3; ++i) p.drawLine(c + QPointF(-5 + i * 5, 6), c + QPointF(-5 + i * 5, 2 - i * 4));
    return;
  }
  DrawDot(p, c + QPointF(-4, 2), 2, kGold);
  p.drawEllipse(c + QPointF(3, -1), 4.5, 4.5);
}

// A mode's skin: its icon at the head of the panel and a mark beside each
// of its sliders; transparent elsewhere, so the panel shows through.
QImage DrawModeSkin(const WindowLayout& layout, const ControlLayout& skin) {
  QImage image = Transparent(skin.width, skin.height);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(180, 150, 82), 1));
  p.setBrush(QColor(30, 24, 40));
  p.drawEllipse(QRectF(10, 10, 44, 44));
  DrawIcon(p, skin.icon, QRectF(10, 10, 44, 44), kGold);
  p.setPen(QPen(kRim, 1));
  p.drawLine(QPointF(62, 32), QPointF(skin.width - 12, 32));
  p.setPen(QPen(kGold, 1.4));
  for (const ModeSliders& m : kModeSliders) {
    if (m.mode != skin.icon) continue;
    for (std::string_view name : m.sliders)
      if (const ControlLayout* slider = layout.Control(name); slider && !name.empty())
        DrawSliderGlyph(p, name, QPointF(slider->left + slider->width + 13, slider->top + slider->height / 2.0));
  }
  return image;
}

// The tray under the palette's swatches: a frame around each default cell,
// open inside so that the swatch's colour shows through.
QImage DrawPaletteTray(const ControlLayout& tray) {
  QImage image = DrawPanel(tray.width, tray.height);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (const Point& cell : PointList(kDefaultPaletteBtnShowPos)) {
    const QRectF swatch(cell.x - tray.left, cell.y - tray.top, kSwatchWidth, kSwatchHeight);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(swatch.adjusted(2, 2, -2, -2), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(16, 12, 22, 220), 1));
    p.drawRect(swatch.adjusted(2.5, 2.5, -2.5, -2.5));
    p.setPen(QPen(QColor(180, 150, 82, 200), 1.2));
    p.drawRoundedRect(swatch.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  }
  return image;
}

}  // namespace

QImage DrawWholePicture(const WindowLayout& layout, const ControlLayout& control) {
  if (control.kind == ControlKind::Panel) return DrawPanel(control.width, control.height);
  if (control.icon != ButtonIcon::None) return DrawModeSkin(layout, control);
  return DrawPaletteTray(control);
}

}  // namespace lumena::tools
