#pragma once
// What happens when the user asks to leave the program.
#include <string>
#include <string_view>

#include "platform/answers.h"

namespace lumena {

// What the exit sequence needs from the windows; start-up implements it,
// tests fake it.
class ExitHost {
 public:
  virtual ~ExitHost() = default;
  virtual bool workSaved() const = 0;
  virtual bool deskHasLayers() const = 0;
  virtual void saveWork() = 0;
  // Asks a yes/no question by text key; returns kAnswerYes or kAnswerNo.
  virtual int askQuestion(std::string_view key) = 0;
  // Shows a tip topic (forced, only when its page is found).
  virtual void showTip(std::string_view topic) = 0;
  virtual void processPendingEvents() = 0;
  virtual void openAddress(std::string_view address) = 0;
};

// Runs the exit questions; true when the program is to end. `afterExitUrl`
// is opened when the exit is confirmed and it is not empty.
bool runExitSequence(ExitHost& host, const std::string& afterExitUrl);

}  // namespace lumena
