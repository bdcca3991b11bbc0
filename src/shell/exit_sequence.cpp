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

std::filesystem::path UniqueWorkPath(const std::filesystem::path& folder, std::string_view extension) {
  for (int number = 1;; ++number) {
    const std::filesystem::path candidate = folder / ("Work " + std::to_string(number) + std::string(extension));
    std::error_code ec;
    if (!std::filesystem::exists(candidate, ec) && !ec) return candidate;
  }
}

}  // namespace lumena
