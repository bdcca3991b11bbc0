#include "interface/ui/interface_color.h"

#include <QGuiApplication>
#include <QPalette>
#include <cstdint>

namespace lumena {

namespace {

constexpr uint32_t kSystemColorFlag = 0x80000000u;

QPalette::ColorRole SystemColorRole(uint32_t index) {
  switch (index) {
    case 5:
      return QPalette::Base;  // window background
    case 8:
      return QPalette::WindowText;  // window text
    case 13:
      return QPalette::Highlight;
    case 14:
      return QPalette::HighlightedText;
    case 15:
      return QPalette::Button;  // button face
    case 16:
      return QPalette::Mid;  // button shadow
    case 18:
      return QPalette::ButtonText;
    case 20:
      return QPalette::Light;  // button highlight
    case 23:
      return QPalette::ToolTipText;  // info text
    case 24:
      return QPalette::ToolTipBase;  // info background
    default:
      return QPalette::Window;
  }
}

}  // namespace

QColor ColorFromNumber(int number) {
  const auto value = static_cast<uint32_t>(number);
  if ((value & 0xFF000000u) == kSystemColorFlag)
    return QGuiApplication::palette().color(SystemColorRole(value & 0xFFu));
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

}  // namespace lumena
