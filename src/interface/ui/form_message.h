#pragma once
// The message window: every notice and yes/no question, by text key or as
// a finished text, answered 6 (yes, OK) or 7 (no, cancel, closed).
#include <QLabel>
#include <string_view>

#include "interface/ui/skinned_form.h"

namespace lumena {

class TGraphicButton;

// The answer buttons: "Yes" and "No", or "OK" and "Cancel".
enum class MessageButtons { Question = 0, Notice = 1 };
// Whether the message is a text key of the texts file or the text itself.
enum class MessageText { Key, Finished };

class TFormMessage : public TSkinnedForm {
  Q_OBJECT

 public:
  // Its close button copies `mainClose`; its answer buttons take their
  // cells from `mainButtons`, the main window's button picture.
  TFormMessage(const TGraphicButton& mainClose, TPictureControl* mainButtons);

  TGraphicButton* ButtonExit;
  TGraphicButton* ButtonYes;
  TGraphicButton* ButtonNo;
  QLabel* LabelMessage;
  int Answer = 7;

  int ShowMessage(std::string_view message, MessageButtons buttons, MessageText kind, std::string_view defaultText);

 protected:
  void FormShow() override;
  void FormClose() override;
  void FormKeyPress(QKeyEvent* event) override;

 private:
  void AnswerWith(int value);
};

// The message window of the run (created with the main window).
void SetMessageWindow(TFormMessage* window);
TFormMessage* MessageWindow();

// Shows a message through the message window; 6 or 7.
int ShowMessageWindow(std::string_view message, MessageButtons buttons, MessageText kind,
                      std::string_view defaultText = {});

}  // namespace lumena
