#pragma once
// What the whole run shares: the program folder, the settings file kept open
// from start to end, the data roots, the desk geometry and the saved state.
#include <filesystem>
#include <memory>

#include "platform/ini_file.h"
#include "platform/stored_path.h"
#include "shell/startup_settings.h"
#include "work/desk_geometry.h"

namespace lumena {

struct RunContext {
  std::filesystem::path programFolder;
  std::filesystem::path programPath;
  std::unique_ptr<IniFile> settings;
  StartupSettings startup;
  DataRoots dataRoots;
  DeskGeometry desk;
  bool workSaved = true;
  bool imageSaved = true;
};

RunContext& CurrentRun();

}  // namespace lumena
