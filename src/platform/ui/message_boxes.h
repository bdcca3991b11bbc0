#pragma once
// The platform's message boxes, used until the program's own message window
// exists and for start-up failures. Texts use "\r" for line breaks.
#include <functional>
#include <string>
#include <string_view>

namespace lumena {

enum class BoxKind { Error, Warning, Question };

// Replaces the boxes (tests, and runs without a user): the handler gets the
// kind and the text and returns the answer (6 yes, 7 no).
using BoxHandler = std::function<int(BoxKind, const std::string&)>;
void SetBoxHandler(BoxHandler handler);

void ShowErrorBox(std::string_view text);
void ShowWarningBox(std::string_view text);
// A yes/no question; 6 for yes, 7 for no.
int AskQuestionBox(std::string_view text);

}  // namespace lumena
