#include "interface/ui/skinned_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>

#include "interface/skin_picture.h"
#include "interface/window_region.h"
#include "interface/ui/caption_bar.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/picture_control.h"
#include "interface/ui/window_services.h"
#include "platform/ui/message_boxes.h"
#include "images/ui/qt_picture.h"

namespace lumena {

namespace {

QPointer<TSkinnedForm>& mainForm() {
  static QPointer<TSkinnedForm> form;
  return form;
}

void showLoadError(const std::string& message) { ShowErrorBox(message); }

// Help, tips and the message window stay usable during a modal run.
bool staysEnabledDuringModalRuns(const QWidget* w) {
  const QString name = w->objectName();
  return name == "FormHelp" || name == "FormTips" || name == "FormMessage";
}

// Counts the requests to quit the application; a modal run ends when one
// arrives while it runs.
int& quitRequests() {
  static int count = 0;
  return count;
}

// The windows a modal run may disable: the top-level windows and the skinned
// windows embedded in the backdrop (the main window).
QList<QWidget*> modalRunCandidates() {
  QList<QWidget*> windows = QApplication::topLevelWidgets();
  for (QWidget* w : QApplication::allWidgets())
    if (!w->isWindow() && qobject_cast<TSkinnedForm*>(w)) windows.append(w);
  return windows;
}

// Across windows too, unlike QWidget::isAncestorOf.
bool isParentChainOf(const QWidget* w, const QWidget* child) {
  for (const QWidget* p = child->parentWidget(); p; p = p->parentWidget())
    if (p == w) return true;
  return false;
}

// Qt disables every child of a disabled widget, child windows included, so a
// window that is the parent of one that must keep taking input is left alone.
bool parentsWindowThatStaysUsable(const QWidget* w, const QWidget* modal, const QList<QWidget*>& windows) {
  if (isParentChainOf(w, modal)) return true;
  for (const QWidget* other : windows)
    if (staysEnabledDuringModalRuns(other) && isParentChainOf(w, other)) return true;
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
    region += QRect(r.left, r.top, static_cast<int>(r.width()), static_cast<int>(r.height()));
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
  if (mainForm() == this) mainForm() = nullptr;
}

TSkinnedForm* TSkinnedForm::MainForm() { return mainForm(); }
void TSkinnedForm::SetMainForm(TSkinnedForm* form) { mainForm() = form; }

TPictureControl* TSkinnedForm::ImageButtons() const {
  for (TPictureControl* control : findChildren<TPictureControl*>())
    if (control->objectName().toUpper() == "IMAGEBUTTONS") return control;
  return nullptr;
}

TCaptionBar* TSkinnedForm::CaptionBar() const { return findChild<TCaptionBar*>(); }

bool TSkinnedForm::LoadSkin(std::string_view key, std::string_view defaultFile) {
  Picture skin;
  if (!LoadSkinPicture(skin, key, defaultFile, true, showLoadError) || skin.empty()) return false;
  SkinBitmap = std::move(skin);
  if (TCaptionBar* bar = CaptionBar()) bar->setPicture(SkinBitmap);
  SetWindowRegionFromPicture(this, SkinBitmap, kSkinKeyColour);
  resize(SkinBitmap.width(), SkinBitmap.height());
  for (TGraphicButton* button : findChildren<TGraphicButton*>()) button->InvalidateBackground();
  update();
  return true;
}

void TSkinnedForm::FreeSkin() {
  if (TCaptionBar* bar = CaptionBar()) bar->setPicture(Picture());
  SkinBitmap.clear();
}

bool TSkinnedForm::LoadButtonsPicture(std::string_view key, std::string_view defaultFile, bool fallback) {
  TPictureControl* control = ImageButtons();
  if (!control) return false;
  Picture picture;
  const bool loaded = LoadSkinPicture(picture, key, defaultFile, fallback, showLoadError);
  control->setPicture(std::move(picture));
  return loaded;
}

void TSkinnedForm::FreeButtonsPicture() {
  if (TPictureControl* control = ImageButtons()) control->clearPicture();
}

int TSkinnedForm::RunModal() {
  OwnModal = true;
  modalResult_ = 0;
  runningModal_ = true;
  const int quitsBefore = quitRequests();
  show();
  // The window answers the keys of its run (Enter, Esc) without a click first.
  raise();
  activateWindow();
  while (modalResult_ == 0 && isVisible()) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (QCoreApplication::closingDown() || quitRequests() != quitsBefore) modalResult_ = kModalCancelled;
    else if (modalResult_ != 0) close();
  }
  if (isVisible()) close();
  runningModal_ = false;
  return modalResult_;
}

void TSkinnedForm::disableOtherWindows() {
  const QList<QWidget*> windows = modalRunCandidates();
  for (QWidget* w : windows) {
    if (w == this || !w->isVisible() || !w->isEnabled() || staysEnabledDuringModalRuns(w) ||
        parentsWindowThatStaysUsable(w, this, windows))
      continue;
    w->setEnabled(false);
    disabled_.emplace_back(w);
  }
}

void TSkinnedForm::enableDisabledWindows() {
  for (const QPointer<QWidget>& w : disabled_)
    if (w) w->setEnabled(true);
  disabled_.clear();
}

void TSkinnedForm::paintEvent(QPaintEvent*) {
  if (SkinBitmap.empty()) return;
  QPainter(this).drawImage(0, 0, toQImage(SkinBitmap));
}

void TSkinnedForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  FormShow();
  if (OwnModal) disableOtherWindows();
  for (QLabel* label : findChildren<QLabel*>())
    if (label->property("AutoSize").toBool()) label->adjustSize();
}

void TSkinnedForm::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;
  FormHide();
  if (OwnModal) enableDisabledWindows();
}

void TSkinnedForm::closeEvent(QCloseEvent* event) {
  bool canClose = true;
  if (OwnModal) enableDisabledWindows();
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
  if (!isNamed("FormTips") && !isNamed("FormMessage") && !isNamed("FormHelp") && Services().offerTip)
    Services().offerTip(helpName().toStdString());
  FormActivate();
}

bool TSkinnedForm::passesKeysToMain() const {
  return this != MainForm() && !isNamed("FormMessage") && !runningModal_ && !isModal() && MainForm() &&
         MainForm()->isEnabled();
}

bool TSkinnedForm::keyDown(QKeyEvent* event) {
  FormKeyDown(event);
  if (passesKeysToMain()) MainForm()->MainKeyDown(event);
  FormKeyPress(event);
  if (this == MainForm() || event->key() != Qt::Key_Escape || !isVisible()) return false;
  close();
  return true;
}

void TSkinnedForm::keyUp(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier && !isNamed("FormHelp") &&
      !isNamed("FormMessage") && Services().showHelp)
    Services().showHelp(helpName().toStdString());
  FormKeyUp(event);
  if (passesKeysToMain()) MainForm()->MainKeyUp(event);
}

bool TSkinnedForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Quit && watched == qApp) {
    ++quitRequests();
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
  if (event->type() == QEvent::KeyPress) return keyDown(key);
  if (!key->isAutoRepeat()) keyUp(key);
  return false;
}

}  // namespace lumena
