#pragma once
// Answers an action's questions from a script and keeps what was asked.
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "editing/editing_questions.h"

namespace lumena::testing {

class ScriptedQuestions : public EditingQuestions {
 public:
  bool Confirm(std::string_view key) override { return Answer(std::string(key)); }
  bool ConfirmText(std::string_view text) override { return Answer(std::string(text)); }

  std::set<std::string, std::less<>> yes;  // questions answered Yes; others No
  std::vector<std::string> asked;

 private:
  bool Answer(std::string question) {
    asked.push_back(question);
    return yes.contains(question);
  }
};

}  // namespace lumena::testing
