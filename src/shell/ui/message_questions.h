#pragma once
// The editing actions' questions, asked in the message window.
#include "editing/editing_questions.h"
#include "interface/ui/form_message.h"

namespace lumena {

class MessageWindowQuestions : public EditingQuestions {
 public:
  bool Confirm(std::string_view key) override {
    return ShowMessageWindow(key, MessageButtons::Question, MessageText::Key) == kYes;
  }
  bool ConfirmText(std::string_view text) override {
    return ShowMessageWindow(text, MessageButtons::Question, MessageText::Finished) == kYes;
  }

 private:
  static constexpr int kYes = 6;
};

}  // namespace lumena
