// The colour palette of the layer tool panel: a grid of swatches showing
// the current palette of "PalData.txt", paged through palettes by two
// arrows and through a long palette by a slider. A swatch tints the active
// layer, or gives the brush its colour while painting.
#include <QColorDialog>
#include <QLabel>
#include <QMouseEvent>

#include "editing/editing_session.h"
#include "editing/ui/form_montage.h"
#include "interface/button_drawing.h"
#include "interface/interface_context.h"
#include "interface/main_form_params.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/graphic_slider.h"
#include "interface/ui/picture_control.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/qt_text.h"
#include "shell/main_window_layout.h"
#include "shell/ui/cursors.h"
#include "shell/ui/form_main.h"

namespace lumena {

namespace {

// A graphic button hears only the left button's release; a swatch hears
// the right one too, which asks for a colour of the user's own.
class TPaletteSwatch final : public TGraphicButton {
 public:
  using TGraphicButton::TGraphicButton;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::RightButton && OnMouseUp) return OnMouseUp(event);
    TGraphicButton::mouseReleaseEvent(event);
  }
};

// The swatch's colour seen through the frame the palette's tray draws
// around its cell.
void PaintSwatch(Picture& face, uint32_t colour, const Picture& tray, Point inTray) {
  for (Pixel& p : face.Pixels()) p = {ColorBlue(colour), ColorGreen(colour), ColorRed(colour), 255};
  if (!tray.Empty()) BlendCell(face, CutCell(tray, inTray.x, inTray.y, face.Width(), face.Height()), 0);
}

uint32_t ColourOf(Pixel p) { return ColorValue(p.r, p.g, p.b); }

}  // namespace

void TFormMain::BuildPalette() {
  FormMainListParams params;
  if (CurrentInterface().InfoLoaded()) params = ReadFormMainListParams(*CurrentInterface().Info);
  paletteGrid_ = MakePaletteGrid(params.paletteBtnCols, params.paletteBtnRows, params.paletteBtnShowPos);
  auto* panel = ChildByName<QWidget>(*this, kLayerPanel);
  const ControlLayout* tray = kMainWindowLayout.Control("ImagePalette");
  if (!panel || !tray) return;
  for (size_t i = 0; i < paletteGrid_.positions.size(); ++i) {
    const Point at = paletteGrid_.positions[i];
    auto* swatch = new TPaletteSwatch(panel, "PaletteButtonPattern" + QString::number(i + 1));
    swatch->setGeometry(at.x, at.y, kSwatchWidth, kSwatchHeight);
    swatch->SetTransparency(0);
    swatch->hide();
    swatch->OnPaint = [this, i, inTray = Point{at.x - tray->left, at.y - tray->top}](Picture& face) {
      const auto* image = ChildByName<TPictureControl>(*this, "ImagePalette");
      if (swatchColours_[i]) PaintSwatch(face, *swatchColours_[i], image ? image->GetPicture() : Picture(), inTray);
    };
    swatch->OnMouseMove = [this, i](QMouseEvent*) { ButtonPaletteMouseMove(i); };
    swatch->OnMouseUp = [this, i](QMouseEvent* event) { ButtonPaletteMouseUp(i, event->button()); };
    swatches_.push_back(swatch);
  }
  swatchColours_.assign(swatches_.size(), std::nullopt);
  const auto wire = [this](std::string_view name, std::function<void()> click) {
    if (auto* button = ChildByName<TGraphicButton>(*this, name)) button->OnClick = std::move(click);
  };
  wire("ButtonPalettePrev", [this] { PagePalettes(false); });
  wire("ButtonPaletteNext", [this] { PagePalettes(true); });
  wire("ButtonPaletteColorPrev", [this] { PageColours(-1); });
  wire("ButtonPaletteColorNext", [this] { PageColours(1); });
  // The small arrows have no hint in the layout table; their texts are the palette's own.
  for (const char* arrow : {"ButtonPaletteColorPrev", "ButtonPaletteColorNext"})
    if (auto* button = ChildByName<QWidget>(*this, arrow))
      button->setToolTip(ToQString(GetTermin(std::string(arrow) + "Hint", "")));
  wire("ButtonCurrentBrushColor", [this] { ButtonCurrentBrushColorClick(); });
  if (auto* slider = ChildByName<TGraphicSlider>(*this, "SliderPaletteColor"))
    slider->OnChange = [this] { SliderPaletteColorChange(); };
  ReadPalette();
  RefreshPal();
}

void TFormMain::ReadPalette() { lumena::ReadPalette(palette_, CurrentInterface().AppFolder / kPaletteFileName); }

void TFormMain::RefreshPal() {
  const std::vector<PaletteColour>& colours = palette_.palette.colours;
  const int count = static_cast<int>(colours.size());
  const PalettePaging paging = PagingFor(paletteGrid_, count, palette_.firstShown);
  paletteHasPages_ = paging.shown;
  // The slider's own change comes back here only when the page differs.
  if (auto* slider = ChildByName<TGraphicSlider>(*this, "SliderPaletteColor"); slider && paging.shown)
    slider->SetAllValues(0, paging.maximum, paging.value);
  const std::vector<std::optional<int>> cells = CellColours(paletteGrid_, count, palette_.firstShown);
  for (size_t i = 0; i < swatches_.size(); ++i) {
    swatchColours_[i] =
        cells[i] ? std::optional<uint32_t>(colours[static_cast<size_t>(*cells[i])].colour) : std::nullopt;
    swatches_[i]->update();
  }
  ShowPaletteName();
  SetControls();
}

// A name wider than the label starts at its left and shows whole as its hint.
void TFormMain::ShowPaletteName() {
  auto* label = ChildByName<QLabel>(*this, "LabelPaletteName");
  if (!label) return;
  const QString name = ToQString(palette_.palette.name);
  const bool wide = label->fontMetrics().horizontalAdvance(name) > label->width();
  label->setText(name);
  label->setAlignment((wide ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
  label->setToolTip(wide ? name : QString());
}

void TFormMain::ShowPaletteSwatches(bool trayShown) {
  for (size_t i = 0; i < swatches_.size(); ++i) PostShown(swatches_[i], trayShown && swatchColours_[i].has_value());
}

void TFormMain::PagePalettes(bool forward) {
  if (!lumena::StepPalette(palette_, forward)) return;
  ReadPalette();
  RefreshPal();
}

void TFormMain::SliderPaletteColorChange() {
  auto* slider = ChildByName<TGraphicSlider>(*this, "SliderPaletteColor");
  const int first = FirstShownAt(paletteGrid_, slider->Value());
  if (first == palette_.firstShown) return;
  palette_.firstShown = first;
  RefreshPal();
}

void TFormMain::PageColours(int step) {
  if (auto* slider = ChildByName<TGraphicSlider>(*this, "SliderPaletteColor"))
    slider->SetValue(std::clamp(slider->Value() + step, slider->Min(), slider->Max()));
}

void TFormMain::ButtonPaletteMouseMove(size_t cell) {
  TGraphicButton* swatch = swatches_[cell];
  swatch->setCursor(CursorFor(crPipette));
  const PaletteColour* named = swatchColours_[cell] ? palette_.palette.Find(*swatchColours_[cell]) : nullptr;
  swatch->setToolTip(named ? ToQString(named->name) : QString());
}

// The right button asks for any colour; the left takes the swatch's.
void TFormMain::ButtonPaletteMouseUp(size_t cell, Qt::MouseButton button) {
  const std::optional<uint32_t> shown = swatchColours_[cell];
  std::optional<uint32_t> colour;
  if (button == Qt::RightButton)
    colour = AskColour(shown.value_or(0));
  else if (button == Qt::LeftButton && shown && palette_.palette.Find(*shown))
    colour = shown;
  if (colour) ApplyPaletteColour(*colour);
}

void TFormMain::ButtonCurrentBrushColorClick() {
  if (!session_ || !montage_ || session_->Mode() != LayerMode::Paint) return;
  if (const std::optional<uint32_t> colour = AskColour(ColourOf(montage_->Pointer().brushColour)))
    ApplyPaletteColour(*colour);
}

void TFormMain::ApplyPaletteColour(uint32_t colour) {
  if (!session_ || !montage_) return;
  session_->ApplyPaletteColour(colour, montage_->Pointer().brushColour);
  SetControls();
}

std::optional<uint32_t> TFormMain::AskColour(uint32_t initial) {
  QColorDialog dialog(QColor(ColorRed(initial), ColorGreen(initial), ColorBlue(initial)), this);
  dialog.setObjectName("ColorDialog");
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  dialog.setWindowTitle(ToQString(GetTermin("ColorDialogCaption", "Choose a colour")));
  if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid()) return std::nullopt;
  const QColor chosen = dialog.selectedColor();
  return ColorValue(static_cast<uint8_t>(chosen.red()), static_cast<uint8_t>(chosen.green()),
                    static_cast<uint8_t>(chosen.blue()));
}

}  // namespace lumena
