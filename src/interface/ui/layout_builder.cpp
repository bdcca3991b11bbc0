#include "interface/ui/layout_builder.h"

#include <QLabel>

#include "interface/interface_context.h"
#include "interface/ui/caption_bar.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/graphic_slider.h"
#include "interface/ui/picture_control.h"
#include "platform/ui/child_by_name.h"

namespace lumena {

namespace {

QString NameOf(const ControlLayout& c) {
  return QString::fromLatin1(c.name.data(), static_cast<qsizetype>(c.name.size()));
}

void SetUpButton(TGraphicButton* button, const ControlLayout& c, const PictureResolver& pictures) {
  const CellGrid& g = c.cells;
  button->Resource.SetImage(c.pictureKey.empty() ? nullptr : pictures(c.pictureKey));
  button->Resource.SetCells(g.left, g.top, g.width, g.height, g.rows, g.cols);
  // A grid of fewer cells (a slider's track) shows its first for every state.
  const int cells = g.rows * g.cols;
  button->Resource.AutoNormal = 0;
  button->Resource.AutoEnter = cells > 1 ? 1 : 0;
  button->Resource.AutoPressed = cells > 2 ? 2 : 0;
  button->Resource.AutoLeave = 0;
  button->Resource.AutoDisabled = g.cols >= 4 ? 3 : -1;
}

QWidget* MakeControl(QWidget* parent, const ControlLayout& c, const PictureResolver& pictures) {
  switch (c.kind) {
    case ControlKind::CaptionBar:
      return new TCaptionBar(parent, NameOf(c));
    case ControlKind::Panel:
      return new TDrawPanel(parent, NameOf(c));
    case ControlKind::Label:
      return new QLabel(parent);
    case ControlKind::Picture:
      return new TPictureControl(parent, NameOf(c));
    case ControlKind::GraphicButton: {
      auto* button = new TGraphicButton(parent, NameOf(c));
      SetUpButton(button, c, pictures);
      return button;
    }
    case ControlKind::GraphicSlider: {
      auto* slider = new TGraphicSlider(parent, NameOf(c));
      SetUpButton(slider, c, pictures);
      return slider;
    }
  }
  return nullptr;
}

}  // namespace

void BuildLayoutControls(QWidget* window, const WindowLayout& layout, const PictureResolver& pictures) {
  for (const ControlLayout& c : layout.controls) {
    // Holders stand before what they hold in the table.
    QWidget* parent = c.parent.empty() ? nullptr : ChildByName<QWidget>(*window, c.parent);
    QWidget* control = MakeControl(parent ? parent : window, c, pictures);
    control->setObjectName(NameOf(c));
    control->setGeometry(c.left, c.top, c.width, c.height);
    if (!c.hintKey.empty()) control->setToolTip(ToQString(GetTermin(c.hintKey, "")));
    if (c.slideButton.empty()) continue;
    // The thumb stands before its slider in the table.
    auto* slider = static_cast<TGraphicSlider*>(control);
    auto* thumb = ChildByName<TGraphicButton>(*window, c.slideButton);
    slider->SetSlideButton(thumb);
    slider->BeginOffset = slider->EndOffset = thumb ? thumb->width() / 2 : 0;
  }
}

}  // namespace lumena
