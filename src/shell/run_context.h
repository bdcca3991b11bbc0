#pragma once
// What the whole run shares: the program folder, the settings file kept open
// from start to end, the data roots, the desk geometry and the saved state.
#include <filesystem>
#include <memory>

#include "images/picture.h"
#include "platform/ini_file.h"
#include "platform/stored_path.h"
#include "portrait/placement_anchors.h"
#include "shell/main_desk_observer.h"
#include "shell/startup_settings.h"
#include "templates/template_base.h"
#include "work/desk_geometry.h"
#include "work/work_desk.h"

namespace lumena {

struct RunContext {
  std::filesystem::path programFolder;
  std::filesystem::path programPath;
  std::unique_ptr<IniFile> settings;
  StartupSettings startup;
  DataRoots dataRoots;
  DeskGeometry geometry;
  bool workSaved = true;
  bool imageSaved = true;
  // The work: its desk, the anchors laid on the portrait, and the file it
  // came from (empty for a new work).
  MainDeskObserver deskObserver{workSaved, imageSaved};
  std::unique_ptr<TWorkDesk> desk;
  PlacementAnchors anchors;
  std::filesystem::path workPath;
  // The portrait as it was prepared, for the preview window.
  Picture portraitPreview;
  // The template types and the templates of "PartBase.txt".
  TTemplateBase templates;

  // Back to the state before start-up, so that a run never sees the last
  // run's work (tests start the program several times in one process).
  void Clear();
};

RunContext& CurrentRun();

}  // namespace lumena
