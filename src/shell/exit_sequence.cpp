#include "shell/exit_sequence.h"

#include <string>

namespace lumena {

bool RunExitSequence(ExitHost& host, const std::string& afterExitUrl) {
  if (!host.workSaved() && host.deskHasLayers() && host.askQuestion("ConfirmSaveSession") == kAnswerYes &&
      !host.saveWork())
    return false;
  host.showTip("TipJobFinished");
  if (host.askQuestion("ConfirmExit") != kAnswerYes) return false;
  if (!afterExitUrl.empty()) {
    host.processPendingEvents();
    host.openAddress(afterExitUrl);
  }
  return true;
}

std::filesystem::path UniqueWorkPath(const std::filesystem::path& folder, std::string_view extension) {
  for (int number = 1;; ++number) {
    const std::filesystem::path candidate = folder / ("Work " + std::to_string(number) + std::string(extension));
    std::error_code ec;
    if (!std::filesystem::exists(candidate, ec) && !ec) return candidate;
  }
}

}  // namespace lumena
