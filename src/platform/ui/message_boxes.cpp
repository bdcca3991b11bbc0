#include "platform/ui/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/answers.h"

namespace lumena {

namespace {

BoxHandler& handler() {
  static BoxHandler h;
  return h;
}

QString boxText(std::string_view text) {
  QString s = QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
  s.replace("\r\n", "\n");
  s.replace('\r', '\n');
  return s;
}

int show(BoxKind kind, std::string_view text) {
  if (handler()) return handler()(kind, std::string(text));
  const QString title = QApplication::applicationDisplayName();
  switch (kind) {
    case BoxKind::Error:
      QMessageBox::critical(nullptr, title, boxText(text));
      return kAnswerYes;
    case BoxKind::Warning:
      QMessageBox::warning(nullptr, title, boxText(text));
      return kAnswerYes;
    case BoxKind::Question:
      return QMessageBox::question(nullptr, title, boxText(text)) == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
  }
  return kAnswerNo;
}

}  // namespace

void setBoxHandler(BoxHandler h) { handler() = std::move(h); }
void ShowErrorBox(std::string_view text) { show(BoxKind::Error, text); }
void ShowWarningBox(std::string_view text) { show(BoxKind::Warning, text); }
int AskQuestionBox(std::string_view text) { return show(BoxKind::Question, text); }

}  // namespace lumena
