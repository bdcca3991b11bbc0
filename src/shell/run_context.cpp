#include "shell/run_context.h"

namespace lumena {

void RunContext::Clear() {
  desk.reset();
  programFolder.clear();
  programPath.clear();
  settings.reset();
  startup = {};
  dataRoots = {};
  geometry = {};
  workSaved = imageSaved = true;
  anchors = {};
  workPath.clear();
  portraitPreview.Clear();
  templates = {};
  deskObserver.DetachWindows();
}

RunContext& CurrentRun() {
  static RunContext run;
  return run;
}

}  // namespace lumena
