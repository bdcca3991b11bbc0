#include "platform/ui/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/answers.h"
#include "platform/ui/qt_text.h"

namespace lumena {

namespace {

BoxHandler& Handler() {
  static BoxHandler h;
  return h;
}

int Show(BoxKind kind, std::string_view text) {
  if (Handler()) return Handler()(kind, std::string(text));
  const QString title = QApplication::applicationDisplayName();
  switch (kind) {
    case BoxKind::Error:
      QMessageBox::critical(nullptr, title, ToQStringWithLineBreaks(text));
      return kAnswerYes;
    case BoxKind::Warning:
      QMessageBox::warning(nullptr, title, ToQStringWithLineBreaks(text));
      return kAnswerYes;
    case BoxKind::Question:
      return QMessageBox::question(nullptr, title, ToQStringWithLineBreaks(text)) == QMessageBox::Yes ? kAnswerYes
                                                                                                      : kAnswerNo;
  }
  return kAnswerNo;
}

}  // namespace

void SetBoxHandler(BoxHandler h) { Handler() = std::move(h); }
void ShowErrorBox(std::string_view text) { Show(BoxKind::Error, text); }
void ShowWarningBox(std::string_view text) { Show(BoxKind::Warning, text); }
int AskQuestionBox(std::string_view text) { return Show(BoxKind::Question, text); }

}  // namespace lumena
