#pragma once
// The main window around the work desk. It lives on the backdrop and owns
// the button pictures that other windows borrow cells from.
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editing/layer_mode.h"
#include "editing/template_strip.h"
#include "images/rect.h"
#include "interface/main_form_params.h"
#include "interface/ui/skinned_form.h"
#include "work/colouring_parameters.h"
#include "work/palette.h"
#include "work/palette_grid.h"

namespace lumena {

class EditingSession;
class TFormMontage;
class TFormTemplates;
class TGraphicButton;
class TPictureControl;
class TSoundHint;

// It is also the timer a held scroll button of the template strip repeats on.
class TFormMain : public TSkinnedForm, private RepeatTimer {
  Q_OBJECT

 public:
  explicit TFormMain(QWidget* backdrop);
  ~TFormMain() override;

  // The picture holding the cells of the message window's buttons.
  TPictureControl* ImageMainFormButtons;
  TGraphicButton* ButtonExit;
  TGraphicButton* ButtonMinimize;
  // The program's hint window, in the main window's colours.
  TSoundHint* SoundHint;

  // Asked when the main window is to close; false keeps the program running.
  std::function<bool()> closeHandler;
  // The address of a publisher link of the settings ("" opens nothing).
  std::function<std::string(std::string_view key)> publisherLink;

  void ButtonExitClick();
  void ButtonMinimizeClick();

  // The work the window edits, from the moment the desk exists.
  void AttachWork(EditingSession& session, TFormMontage& montage);
  // The templates window the template-type buttons open.
  void AttachTemplates(TFormTemplates& templates);
  void SetLayerMode(LayerMode mode);
  // Brings every control in line with the desk and the mode.
  void SetControls();
  // The colour sliders show the active layer's values, or its region's.
  void ShowLayerValues(const ColourParameters& values);
  // The scale and position sliders follow the desk's view.
  void ShowView();
  void MainKeyDown(QKeyEvent* event) override;
  void MainKeyUp(QKeyEvent* event) override;

 protected:
  void FormShow() override;
  void mousePressEvent(QMouseEvent* event) override;
  void FormCloseQuery(bool& canClose) override;

 private:
  void PlaceOnBackdrop();
  void LoadWholePictures();
  void WireSystemButtons();
  void WirePanels();
  void BuildTemplateStrip();
  void ShowTemplateStrip();
  void StepTemplateStrip(bool forward);
  void ButtonTemplateClick(TGraphicButton* button);
  void ReleaseTemplateButton();
  void WireModeButtons();
  void WireColourSliders();
  void WireToolSliders();
  void WireLayerCommands();
  void WireViewControls();

  void ClearWork();
  void ShowPanel(const char* panel, const char* openButton, bool layers, bool open);
  void PostToControl(QWidget* control, void (QWidget::*set)(bool), bool value);
  void PostShown(QWidget* control, bool shown);
  void PostEnabled(QWidget* control, bool enabled);
  void ShowBrushColour(bool layerActive);
  void ShowDesk(bool visible);

  EditingSession* session_ = nullptr;
  TFormMontage* montage_ = nullptr;
  bool showingView_ = false;
  bool windowsKeyHeld_ = false;
  // The panels' tags: open above 0.
  int layerToolsTag_ = 1, desktopToolsTag_ = 1;
  std::vector<TGraphicButton*> templateButtons_;
  std::vector<Point> templateSlots_;
  std::vector<TemplatePreviewGrid> templateGrids_;
  TFormTemplates* templates_ = nullptr;
  TGraphicButton* pressedTemplate_ = nullptr;
  void Start(int milliseconds) override { timer_.start(milliseconds); }
  void Stop() override { timer_.stop(); }

  std::unique_ptr<TemplateStrip> strip_;
  QTimer timer_;
  std::unique_ptr<ScrollRepeat> scrollRepeat_;

  // --- The colour palette: swatches of the current palette, paged by the
  // palette arrows and, for a long palette, by its slider.
  void BuildPalette();
  void ReadPalette();
  void RefreshPal();
  void ShowPaletteSwatches(bool trayShown);
  void PagePalettes(bool forward);
  void SliderPaletteColorChange();
  void PageColours(int step);
  void ButtonPaletteMouseMove(size_t cell);
  void ButtonPaletteMouseUp(size_t cell, Qt::MouseButton button);
  void ButtonCurrentBrushColorClick();
  void ApplyPaletteColour(uint32_t colour);
  // The colour dialog's choice, starting from `initial`; nothing when cancelled.
  std::optional<uint32_t> AskColour(uint32_t initial);
  void ShowPaletteName();
  PaletteChoice palette_;
  PaletteGrid paletteGrid_;
  std::vector<TGraphicButton*> swatches_;
  // The colour each swatch shows; nothing where the palette has ended.
  std::vector<std::optional<uint32_t>> swatchColours_;
  bool paletteHasPages_ = false;
};

}  // namespace lumena
