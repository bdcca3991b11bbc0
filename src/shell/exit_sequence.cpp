#include "shell/exit_sequence.h"

namespace lumena {

bool runExitSequence(ExitHost& host, const std::string& afterExitUrl) {
  if (!host.workSaved() && host.deskHasLayers() && host.askQuestion("ConfirmSaveSession") == kAnswerYes)
    host.saveWork();
  host.showTip("TipJobFinished");
  if (host.askQuestion("ConfirmExit") != kAnswerYes) return false;
  if (!afterExitUrl.empty()) {
    host.processPendingEvents();
    host.openAddress(afterExitUrl);
  }
  return true;
}

}  // namespace lumena
