#include "interface/ui/layout_builder.h"

#include <QLabel>

#include "interface/ui/caption_bar.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/graphic_slider.h"
#include "interface/ui/picture_control.h"

namespace lumena {

namespace {

QString NameOf(const ControlLayout& c) {
  return QString::fromLatin1(c.name.data(), static_cast<qsizetype>(c.name.size()));
}

void SetUpButton(TGraphicButton* button, const ControlLayout& c, const PictureResolver& pictures) {
  const CellGrid& g = c.cells;
  button->Resource.SetImage(c.pictureKey.empty() ? nullptr : pictures(c.pictureKey));
  button->Resource.SetCells(g.left, g.top, g.width, g.height, g.rows, g.cols);
  button->Resource.AutoNormal = 0;
  button->Resource.AutoEnter = 1;
  button->Resource.AutoPressed = 2;
  button->Resource.AutoLeave = 0;
  button->Resource.AutoDisabled = g.cols >= 4 ? 3 : -1;
}

QWidget* MakeControl(QWidget* parent, const ControlLayout& c, const PictureResolver& pictures) {
  switch (c.kind) {
    case ControlKind::CaptionBar:
      return new TCaptionBar(parent, NameOf(c));
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
  QWidget* captionBar = nullptr;
  for (const ControlLayout& c : layout.controls) {
    QWidget* parent = c.onCaptionBar && captionBar ? captionBar : window;
    QWidget* control = MakeControl(parent, c, pictures);
    control->setObjectName(NameOf(c));
    control->setGeometry(c.left, c.top, c.width, c.height);
    if (c.kind == ControlKind::CaptionBar) captionBar = control;
    if (c.slideButton.empty()) continue;
    // The thumb stands before its slider in the table.
    auto* slider = static_cast<TGraphicSlider*>(control);
    auto* thumb = window->findChild<TGraphicButton*>(QString::fromUtf8(c.slideButton.data(), c.slideButton.size()));
    slider->SetSlideButton(thumb);
    slider->BeginOffset = slider->EndOffset = thumb ? thumb->width() / 2 : 0;
  }
}

}  // namespace lumena
