#pragma once
// What happens when the user asks to leave the program.
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/answers.h"

namespace lumena {

// What the exit sequence needs from the windows; start-up implements it,
// tests fake it.
class ExitHost {
 public:
  virtual ~ExitHost() = default;
  virtual bool WorkSaved() const = 0;
  virtual bool DeskHasLayers() const = 0;
  // Saves the work; false when it could not be saved (the user was told).
  virtual bool SaveWork() = 0;
  // Asks a yes/no question by text key; returns kAnswerYes or kAnswerNo.
  virtual int AskQuestion(std::string_view key) = 0;
  // Shows a tip topic (forced, only when its page is found).
  virtual void ShowTip(std::string_view topic) = 0;
  virtual void ProcessPendingEvents() = 0;
  virtual void OpenAddress(std::string_view address) = 0;
};

// Runs the exit questions; true when the program is to end. `afterExitUrl`
// is opened when the exit is confirmed and it is not empty. A work the user
// wanted saved and that could not be saved keeps the program running.
bool RunExitSequence(ExitHost& host, const std::string& afterExitUrl);

}  // namespace lumena
