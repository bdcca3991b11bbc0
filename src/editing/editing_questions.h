#pragma once
// What a user action may have to ask: the window answers through the
// message window, tests answer from a script.
#include <string_view>

namespace lumena {

class EditingQuestions {
 public:
  virtual ~EditingQuestions() = default;
  // A Yes/No question by its text key; true for Yes.
  virtual bool Confirm(std::string_view key) = 0;
  // A Yes/No question handed over as a finished text; true for Yes.
  virtual bool ConfirmText(std::string_view text) = 0;
};

}  // namespace lumena
