#pragma once
// The base of every window but the backdrop: frameless, shaped by its skin
// picture's key colour, with buttons cut from a shared button picture, the
// same keys everywhere (Esc closes, F1 asks for help, other keys go to the
// main window) and its own modal run.
#include <QPointer>
#include <QWidget>
#include <string_view>
#include <vector>

#include "images/picture.h"

namespace lumena {

class TCaptionBar;
class TGraphicButton;
class TPictureControl;

// Makes the picture's shape, without the key colour, the window's shape.
void SetWindowRegionFromPicture(QWidget* window, const Picture& picture, uint32_t keyColour);

class TSkinnedForm : public QWidget {
  Q_OBJECT

 public:
  enum class Kind { TopLevel, Embedded };
  // A top-level window is owned by the backdrop; an embedded one (the main
  // window) is a child of `parent`.
  explicit TSkinnedForm(const QString& componentName, QWidget* parent = nullptr, Kind kind = Kind::TopLevel);
  ~TSkinnedForm() override;

  // The window whose key handling gets the keys other windows do not use.
  static TSkinnedForm* MainForm();
  static void SetMainForm(TSkinnedForm* form);

  Picture SkinBitmap;
  bool OwnModal = false;
  const std::vector<QPointer<QWidget>>& DisabledWindows() const { return disabled_; }

  // False when no skin was found: the window keeps its built-in look.
  bool LoadSkin(std::string_view key, std::string_view defaultFile);
  void FreeSkin();
  // The caption's "ButtonMinimize" and "ButtonExit" take the main window's
  // look in their own places; they minimise and close this window.
  void CopyCaptionButtons(const TGraphicButton& mainMinimize, const TGraphicButton& mainExit);
  // The same for a window whose caption has only "ButtonExit".
  void CopyExitButton(const TGraphicButton& mainExit);
  // What a main-window button that stays pressed while its window is open
  // does: shows the window, brings a minimised one back, closes a shown one.
  void Toggle();
  // Moves a window that stands past an edge of its screen back inside it, so
  // that its caption and close button can be reached.
  void KeepOnScreen();
  bool LoadButtonsPicture(std::string_view key, std::string_view defaultFile, bool fallback);
  void FreeButtonsPicture();
  TPictureControl* ImageButtons() const;
  TCaptionBar* CaptionBar() const;

  // The modal result of a run ended because the program quits.
  static constexpr int kModalCancelled = 2;

  // Shows the window and runs its own loop until it is closed or a modal
  // result is set; returns the modal result (kModalCancelled when the
  // program quits meanwhile).
  int RunModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool RunningModal() const { return runningModal_; }

  // The main window's key handling (other windows and the backdrop pass
  // their keys on).
  virtual void MainKeyDown(QKeyEvent*) {}
  virtual void MainKeyUp(QKeyEvent*) {}

  // The name used for the window's help page and tip.
  virtual QString HelpName() const { return objectName(); }

 protected:
  // The window's own handlers, chained by the base.
  virtual void FormShow() {}
  virtual void FormHide() {}
  virtual void FormCloseQuery(bool&) {}
  virtual void FormClose() {}
  virtual void FormActivate() {}
  virtual void FormKeyDown(QKeyEvent*) {}
  virtual void FormKeyUp(QKeyEvent*) {}
  virtual void FormKeyPress(QKeyEvent*) {}
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool IsNamed(const char* name) const { return objectName() == name; }
  bool PassesKeysToMain() const;
  // True when the key was used up.
  bool KeyDown(QKeyEvent* event);
  void KeyUp(QKeyEvent* event);
  void DisableOtherWindows();
  void EnableDisabledWindows();

  std::vector<QPointer<QWidget>> disabled_;
  int modalResult_ = 0;
  bool runningModal_ = false;
};

}  // namespace lumena
