// The template strip: one button per template type, a window of them in
// the slots the interface description gives, scrolled by two buttons.
#include "interface/interface_context.h"
#include "interface/main_form_params.h"
#include "interface/ui/graphic_button.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/qt_text.h"
#include "shell/main_window_layout.h"
#include "shell/ui/form_main.h"
#include "templates/ui/form_templates.h"

namespace lumena {

namespace {

// A button the main window owns under that name, or a copy of the etalon.
TGraphicButton* TemplateButtonNamed(QWidget& window, const std::string& name) {
  if (QObject* owned = window.findChild<QObject*>(ToQString(name))) return qobject_cast<TGraphicButton*>(owned);
  const auto* etalon = ChildByName<TGraphicButton>(window, "ButtonTemplateEtalon");
  if (!etalon) return nullptr;
  auto* button = new TGraphicButton(&window, ToQString(name));
  button->AssignFrom(*etalon);
  button->setToolTip(ToQString(GetTermin(name + "Hint", "")));
  return button;
}

}  // namespace

void TFormMain::BuildTemplateStrip() {
  FormMainListParams params;
  if (CurrentInterface().InfoLoaded()) params = ReadFormMainListParams(*CurrentInterface().Info);
  for (const std::string& name : params.templateButtons)
    if (TGraphicButton* button = TemplateButtonNamed(*this, name)) templateButtons_.push_back(button);
  templateSlots_ = params.templateBtnShowPos;
  templateGrids_ = params.templatePreviewInfo;
  // Only the strip's window of buttons shows; the etalon never does.
  for (const ControlLayout& c : kMainWindowLayout.controls)
    if (c.pictureKey == kTemplateSheet.key && c.name != "ButtonTemplatePrev" && c.name != "ButtonTemplateNext")
      if (auto* button = ChildByName<QWidget>(*this, c.name)) button->hide();
  for (TGraphicButton* button : templateButtons_) button->OnClick = [this, button] { ButtonTemplateClick(button); };
  strip_ = std::make_unique<TemplateStrip>(static_cast<int>(templateButtons_.size()),
                                           static_cast<int>(templateSlots_.size()));
  for (const bool forward : {false, true}) {
    auto* button = findChild<TGraphicButton*>(forward ? "ButtonTemplateNext" : "ButtonTemplatePrev");
    if (!button) continue;
    button->OnClick = [this, forward] { StepTemplateStrip(forward); };
    button->OnMouseDown = [this, forward](QMouseEvent*) {
      scrollRepeat_ = std::make_unique<ScrollRepeat>(static_cast<RepeatTimer&>(*this),
                                                     [this, forward] { StepTemplateStrip(forward); });
      scrollRepeat_->Press();
    };
    button->OnMouseUp = [this](QMouseEvent*) {
      if (scrollRepeat_) scrollRepeat_->Release();
    };
  }
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (scrollRepeat_) scrollRepeat_->Tick();
  });
  ShowTemplateStrip();
}

void TFormMain::StepTemplateStrip(bool forward) {
  if (forward ? strip_->Next() : strip_->Previous()) ShowTemplateStrip();
}

void TFormMain::ShowTemplateStrip() {
  for (size_t i = 0; i < templateButtons_.size(); ++i) {
    const int slot = strip_->SlotOf(static_cast<int>(i));
    if (slot >= 0) templateButtons_[i]->move(templateSlots_[slot].x, templateSlots_[slot].y);
    templateButtons_[i]->setVisible(slot >= 0);
  }
  if (auto* previous = findChild<TGraphicButton*>("ButtonTemplatePrev"))
    previous->SetPressed(strip_->PreviousPressed());
  if (auto* next = findChild<TGraphicButton*>("ButtonTemplateNext")) next->SetPressed(strip_->NextPressed());
}

void TFormMain::AttachTemplates(TFormTemplates& templates) {
  templates_ = &templates;
  templates.onClosed = [this] { ReleaseTemplateButton(); };
}

void TFormMain::ReleaseTemplateButton() {
  if (pressedTemplate_) pressedTemplate_->SetPressed(false);
  pressedTemplate_ = nullptr;
}

// The pressed type's button again closes its window (or brings it back when
// minimised); another type's button opens the window on that type.
void TFormMain::ButtonTemplateClick(TGraphicButton* button) {
  if (!templates_) return;
  if (button == pressedTemplate_) {
    if (templates_->isMinimized())
      templates_->showNormal();
    else if (templates_->isVisible())
      templates_->close();
    return;
  }
  const BusyCursor busy;
  ReleaseTemplateButton();
  button->SetPressed(true);
  pressedTemplate_ = button;
  const TemplatePreviewGrid grid = PreviewGridFor(templateGrids_, button->Tag);
  templates_->OpenOnType(button->Tag, grid.columns, grid.rows, button->toolTip().toStdString());
}

}  // namespace lumena
