#include "interface/ui/form_message.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>

#include "interface/interface_context.h"
#include "interface/message_window_layout.h"
#include "interface/ui/apply_interface_info.h"
#include "interface/ui/caption_bar.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/layout_builder.h"
#include "platform/answers.h"
#include "platform/ui/qt_text.h"

namespace lumena {

namespace {

QPointer<TFormMessage>& MessageWindowSlot() {
  static QPointer<TFormMessage> window;
  return window;
}

}  // namespace

TFormMessage::TFormMessage(const TGraphicButton& mainClose, TPictureControl* mainButtons)
    : TSkinnedForm(QString::fromLatin1(kMessageWindowLayout.name.data(), kMessageWindowLayout.name.size())) {
  resize(kMessageWindowLayout.width, kMessageWindowLayout.height);
  BuildLayoutControls(this, kMessageWindowLayout, [mainButtons](std::string_view) { return mainButtons; });
  ButtonExit = findChild<TGraphicButton*>("ButtonExit");
  ButtonYes = findChild<TGraphicButton*>("ButtonYes");
  ButtonNo = findChild<TGraphicButton*>("ButtonNo");
  LabelMessage = findChild<QLabel*>("LabelMessage");

  ButtonExit->CopyInPlace(mainClose);
  ButtonExit->OnClick = [this] { AnswerWith(kAnswerNo); };
  ButtonYes->OnClick = [this] { AnswerWith(kAnswerYes); };
  ButtonNo->OnClick = [this] { AnswerWith(kAnswerNo); };

  LabelMessage->setAlignment(Qt::AlignCenter);
  LabelMessage->setWordWrap(true);
  ShowInCaptionStyle(*LabelMessage, 13);

  ApplyInterfaceInfo(this);
  setWindowTitle(ToQString(GetTermin("ProductName", "")));
  CaptionBar()->SetCaption(ToQString(GetTermin("FormMessageCaption", "")));
  ButtonYes->setToolTip(ToQString(GetTermin("ButtonYesHint", "")));
  ButtonNo->setToolTip(ToQString(GetTermin("ButtonNoHint", "")));
}

int TFormMessage::ShowMessage(std::string_view message, MessageButtons buttons, MessageText kind,
                              std::string_view defaultText) {
  const bool finished = kind == MessageText::Finished;
  LabelMessage->setText(ToQStringWithLineBreaks(finished ? std::string(message) : GetTermin(message, defaultText)));
  ButtonNo->show();
  const bool question = buttons == MessageButtons::Question;
  ButtonYes->setToolTip(ToQString(question ? GetTermin("ButtonYesHint", "Yes") : GetTermin("ButtonOKHint", "OK")));
  ButtonNo->setToolTip(ToQString(question ? GetTermin("ButtonNoHint", "No") : GetTermin("ButtonCloseHint", "Cancel")));
  RunModal();
  // The windows beneath repaint before the caller goes on; clicks and keys
  // wait for the caller's own loop, or a click made right after answering
  // would land inside the handler that asked and be lost.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  return Answer;
}

void TFormMessage::FormShow() {
  LoadSkin("FormMessage.Skin", kMessageWindowLayout.skinDefault);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
  Answer = kAnswerNo;
}

void TFormMessage::FormClose() { FreeSkin(); }

void TFormMessage::FormKeyPress(QKeyEvent* event) {
  if (!isVisible()) return;
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
    AnswerWith(kAnswerYes);
  else if (event->key() == Qt::Key_Escape)
    Answer = kAnswerNo;
}

void TFormMessage::AnswerWith(int value) {
  Answer = value;
  close();
}

void SetMessageWindow(TFormMessage* window) { MessageWindowSlot() = window; }
TFormMessage* MessageWindow() { return MessageWindowSlot(); }

int ShowMessageWindow(std::string_view message, MessageButtons buttons, MessageText kind,
                      std::string_view defaultText) {
  TFormMessage* window = MessageWindow();
  return window ? window->ShowMessage(message, buttons, kind, defaultText) : kAnswerNo;
}

}  // namespace lumena
