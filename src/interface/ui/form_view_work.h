#pragma once
// A plain window that shows one downloaded picture at its natural size.
#include <QDialog>
#include <QLabel>

#include "images/picture.h"

namespace lumena {

class TFormViewWork : public QDialog {
  Q_OBJECT

 public:
  explicit TFormViewWork(QWidget* owner = nullptr);

  QLabel* ImageChecking;

  // Shows the picture at its size, modally; returns when the window closes.
  void ShowPicture(const Picture& picture);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;

 private:
  void EmptyPicture();
};

}  // namespace lumena
