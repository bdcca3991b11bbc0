#include "platform/ui/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/answers.h"
#include "platform/ui/qt_text.h"

namespace lumena {

namespace {

BoxHandler& handler() {
  static BoxHandler h;
  return h;
}

int show(BoxKind kind, std::string_view text) {
  if (handler()) return handler()(kind, std::string(text));
  const QString title = QApplication::applicationDisplayName();
  switch (kind) {
    case BoxKind::Error:
      QMessageBox::critical(nullptr, title, ToQStringWithLineBreaks(text));
      return kAnswerYes;
    case BoxKind::Warning:
      QMessageBox::warning(nullptr, title, ToQStringWithLineBreaks(text));
      return kAnswerYes;
    case BoxKind::Question:
      return QMessageBox::question(nullptr, title, ToQStringWithLineBreaks(text)) == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
  }
  return kAnswerNo;
}

}  // namespace

void setBoxHandler(BoxHandler h) { handler() = std::move(h); }
void ShowErrorBox(std::string_view text) { show(BoxKind::Error, text); }
void ShowWarningBox(std::string_view text) { show(BoxKind::Warning, text); }
int AskQuestionBox(std::string_view text) { return show(BoxKind::Question, text); }

}  // namespace lumena
