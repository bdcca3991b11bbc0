#include "interface/ui/skinned_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <algorithm>

#include "images/ui/qt_picture.h"
#include "interface/skin_picture.h"
#include "interface/ui/caption_bar.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/picture_control.h"
#include "interface/ui/window_services.h"
#include "interface/window_region.h"
#include "platform/ui/message_boxes.h"

namespace lumena {

namespace {

QPointer<TSkinnedForm>& MainFormSlot() {
  static QPointer<TSkinnedForm> form;
  return form;
}

void ShowLoadError(const std::string& message) { ShowErrorBox(message); }

// Help, tips and the message window stay usable during a modal run.
bool StaysEnabledDuringModalRuns(const QWidget* w) {
  const QString name = w->objectName();
  return name == "FormHelp" || name == "FormTips" || name == "FormMessage";
}

// Counts the requests to quit the application; a modal run ends when one
// arrives while it runs.
int& QuitRequests() {
  static int count = 0;
  return count;
}

// The windows a modal run may disable: the top-level windows and the skinned
// windows embedded in the backdrop (the main window).
QList<QWidget*> ModalRunCandidates() {
  QList<QWidget*> windows = QApplication::topLevelWidgets();
  for (QWidget* w : QApplication::allWidgets())
    if (!w->isWindow() && qobject_cast<TSkinnedForm*>(w)) windows.append(w);
  return windows;
}

// Across windows too, unlike QWidget::isAncestorOf.
bool IsParentChainOf(const QWidget* w, const QWidget* child) {
  for (const QWidget* p = child->parentWidget(); p; p = p->parentWidget())
    if (p == w) return true;
  return false;
}

// Qt disables every child of a disabled widget, child windows included, so a
// window that is the parent of one that must keep taking input is left alone.
bool ParentsWindowThatStaysUsable(const QWidget* w, const QWidget* modal, const QList<QWidget*>& windows) {
  if (IsParentChainOf(w, modal)) return true;
  for (const QWidget* other : windows)
    if (StaysEnabledDuringModalRuns(other) && IsParentChainOf(w, other)) return true;
  return false;
}

}  // namespace

WindowServices& Services() {
  static WindowServices services;
  return services;
}

void SetWindowRegionFromPicture(QWidget* window, const Picture& picture, uint32_t keyColour) {
  QRegion region;
  for (const Rect& r : RegionRectsFromPicture(picture, keyColour))
    region += QRect(r.left, r.top, static_cast<int>(r.Width()), static_cast<int>(r.Height()));
  window->setMask(region);
}

TSkinnedForm::TSkinnedForm(const QString& componentName, QWidget* parent, Kind kind)
    : QWidget(kind == Kind::TopLevel && !parent ? Services().backdrop.data() : parent) {
  setObjectName(componentName);
  if (kind == Kind::TopLevel) setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  new TPictureControl(this, "ImageButtons");
  qApp->installEventFilter(this);
}

TSkinnedForm::~TSkinnedForm() {
  qApp->removeEventFilter(this);
  if (MainFormSlot() == this) MainFormSlot() = nullptr;
}

TSkinnedForm* TSkinnedForm::MainForm() { return MainFormSlot(); }
void TSkinnedForm::SetMainForm(TSkinnedForm* form) { MainFormSlot() = form; }

TPictureControl* TSkinnedForm::ImageButtons() const {
  for (TPictureControl* control : findChildren<TPictureControl*>())
    if (control->objectName().toUpper() == "IMAGEBUTTONS") return control;
  return nullptr;
}

TCaptionBar* TSkinnedForm::CaptionBar() const { return findChild<TCaptionBar*>(); }

bool TSkinnedForm::LoadSkin(std::string_view key, std::string_view defaultFile) {
  Picture skin;
  if (!LoadSkinPicture(skin, key, defaultFile, true, ShowLoadError) || skin.Empty()) return false;
  SkinBitmap = std::move(skin);
  if (TCaptionBar* bar = CaptionBar()) bar->SetPicture(SkinBitmap);
  SetWindowRegionFromPicture(this, SkinBitmap, kSkinKeyColour);
  resize(SkinBitmap.Width(), SkinBitmap.Height());
  for (TGraphicButton* button : findChildren<TGraphicButton*>()) button->InvalidateBackground();
  update();
  return true;
}

void TSkinnedForm::CopyCaptionButtons(const TGraphicButton& mainMinimize, const TGraphicButton& mainExit) {
  if (auto* minimize = findChild<TGraphicButton*>("ButtonMinimize")) {
    minimize->CopyInPlace(mainMinimize);
    minimize->OnClick = [this] { showMinimized(); };
  }
  CopyExitButton(mainExit);
}

void TSkinnedForm::CopyExitButton(const TGraphicButton& mainExit) {
  if (auto* exit = findChild<TGraphicButton*>("ButtonExit")) {
    exit->CopyInPlace(mainExit);
    exit->OnClick = [this] { close(); };
  }
}

void TSkinnedForm::Toggle() {
  if (isMinimized())
    showNormal();
  else if (isVisible())
    close();
  else
    show();
}

void TSkinnedForm::KeepOnScreen() {
  const QScreen* shown = QGuiApplication::screenAt(geometry().center());
  if (!shown) shown = screen();
  if (!shown) return;
  const QRect area = shown->geometry();
  move(std::clamp(x(), area.left(), std::max(area.left(), area.right() + 1 - width())),
       std::clamp(y(), area.top(), std::max(area.top(), area.bottom() + 1 - height())));
}

void TSkinnedForm::FreeSkin() {
  if (TCaptionBar* bar = CaptionBar()) bar->SetPicture(Picture());
  SkinBitmap.Clear();
}

bool TSkinnedForm::LoadButtonsPicture(std::string_view key, std::string_view defaultFile, bool fallback) {
  TPictureControl* control = ImageButtons();
  if (!control) return false;
  Picture picture;
  const bool loaded = LoadSkinPicture(picture, key, defaultFile, fallback, ShowLoadError);
  control->SetPicture(std::move(picture));
  return loaded;
}

void TSkinnedForm::FreeButtonsPicture() {
  if (TPictureControl* control = ImageButtons()) control->ClearPicture();
}

int TSkinnedForm::RunModal() {
  OwnModal = true;
  modalResult_ = 0;
  runningModal_ = true;
  const int quitsBefore = QuitRequests();
  show();
  // The window answers the keys of its run (Enter, Esc) without a click first.
  raise();
  activateWindow();
  while (modalResult_ == 0 && isVisible()) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (QCoreApplication::closingDown() || QuitRequests() != quitsBefore)
      modalResult_ = kModalCancelled;
    else if (modalResult_ != 0)
      close();
  }
  if (isVisible()) close();
  runningModal_ = false;
  return modalResult_;
}

void TSkinnedForm::DisableOtherWindows() {
  const QList<QWidget*> windows = ModalRunCandidates();
  for (QWidget* w : windows) {
    if (w == this || !w->isVisible() || !w->isEnabled() || StaysEnabledDuringModalRuns(w) ||
        ParentsWindowThatStaysUsable(w, this, windows))
      continue;
    w->setEnabled(false);
    disabled_.emplace_back(w);
  }
}

void TSkinnedForm::EnableDisabledWindows() {
  for (const QPointer<QWidget>& w : disabled_)
    if (w) w->setEnabled(true);
  disabled_.clear();
}

void TSkinnedForm::paintEvent(QPaintEvent*) {
  if (SkinBitmap.Empty()) return;
  QPainter(this).drawImage(0, 0, ToQImage(SkinBitmap));
}

void TSkinnedForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  FormShow();
  if (OwnModal) DisableOtherWindows();
  for (QLabel* label : findChildren<QLabel*>())
    if (label->property("AutoSize").toBool()) label->adjustSize();
}

void TSkinnedForm::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;
  FormHide();
  if (OwnModal) EnableDisabledWindows();
}

void TSkinnedForm::closeEvent(QCloseEvent* event) {
  bool canClose = true;
  if (OwnModal) EnableDisabledWindows();
  FormCloseQuery(canClose);
  if (!canClose) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

void TSkinnedForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
  if (!IsNamed("FormTips") && !IsNamed("FormMessage") && !IsNamed("FormHelp") && Services().offerTip)
    Services().offerTip(HelpName().toStdString());
  FormActivate();
}

bool TSkinnedForm::PassesKeysToMain() const {
  return this != MainForm() && !IsNamed("FormMessage") && !runningModal_ && !isModal() && MainForm() &&
         MainForm()->isEnabled();
}

bool TSkinnedForm::KeyDown(QKeyEvent* event) {
  FormKeyDown(event);
  if (PassesKeysToMain()) MainForm()->MainKeyDown(event);
  FormKeyPress(event);
  if (this == MainForm() || event->key() != Qt::Key_Escape || !isVisible()) return false;
  close();
  return true;
}

void TSkinnedForm::KeyUp(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier && !IsNamed("FormHelp") &&
      !IsNamed("FormMessage") && Services().showHelp)
    Services().showHelp(HelpName().toStdString());
  FormKeyUp(event);
  if (PassesKeysToMain()) MainForm()->MainKeyUp(event);
}

bool TSkinnedForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Quit && watched == qApp) {
    ++QuitRequests();
    return false;
  }
  // The window sees its controls' keys before they do; a key is looked at
  // once, where it is first delivered (the focus widget, or the window).
  const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
  auto* target = qobject_cast<QWidget*>(watched);
  if (!keyEvent || !target || !isVisible() || target->window() != window()) return false;
  if (target != this && !isAncestorOf(target)) return false;
  QWidget* firstReceiver = QApplication::focusWidget();
  if (target != (firstReceiver && isAncestorOf(firstReceiver) ? firstReceiver : this)) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (event->type() == QEvent::KeyPress) return KeyDown(key);
  if (!key->isAutoRepeat()) KeyUp(key);
  return false;
}

}  // namespace lumena
