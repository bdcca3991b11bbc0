#include "shell/exit_sequence.h"

#include <string>

namespace lumena {

bool RunExitSequence(ExitHost& host, const std::string& afterExitUrl) {
  if (!host.WorkSaved() && host.DeskHasLayers() && host.AskQuestion("ConfirmSaveSession") == kAnswerYes &&
      !host.SaveWork())
    return false;
  host.ShowTip("TipJobFinished");
  if (host.AskQuestion("ConfirmExit") != kAnswerYes) return false;
  if (!afterExitUrl.empty()) {
    host.ProcessPendingEvents();
    host.OpenAddress(afterExitUrl);
  }
  return true;
}

}  // namespace lumena
