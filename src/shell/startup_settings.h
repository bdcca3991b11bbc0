#pragma once
// The settings-file keys that start-up and the main window read, with their
// defaults.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_file.h"
#include "platform/stored_path.h"
#include "platform/user_registry.h"

namespace lumena {

// The named sub-folders of section DIRECTORIES, each with a trailing "\".
struct NamedFolders {
  std::string loadImage, saveImage, loadWork, saveWork, music, sound, queries, help, tips, catalog;
};

struct CalibrationColor {
  int red = 252, green = 217, blue = 188;
};

struct StartupSettings {
  NamedFolders folders;
  CalibrationColor calibration;
  std::string mailServer;
  int mailPort = 25;
  int printLeftRightMargin = 5;
  int printTopBottomMargin = 10;
  bool showTips = false;
  bool playMusic = false;
  bool playSound = false;
};

// A folder value: cut at the first ";", trimmed, with a trailing "\".
std::string FolderValue(std::string_view raw);

NamedFolders ReadNamedFolders(const IniFile& settings);
StartupSettings ReadStartupSettings(const IniFile& settings);

// The registry section name (REGISTRY/RegName).
std::string RegistryName(const IniFile& settings);
// HDPath, CDPath and the program folder; an empty registry value means the
// program folder.
DataRoots ReadDataRoots(const IniFile& settings, const UserRegistry& registry,
                        const std::filesystem::path& programFolder);

// The address a publisher link opens; empty means nothing is opened, as
// for every link when the settings have no publisher links at all.
std::string PublisherLink(const IniFile& settings, std::string_view key);

// One entry of the intro list.
struct IntroEntry {
  enum class Kind { Video, Picture };
  Kind kind;
  std::filesystem::path file;
  int width = 320, height = 240;  // videos
  int milliseconds = 1000;        // pictures
};

// The intro entries that can be played, in file order: section "Intro Video"
// (or the single line "Logo=Logo.avi"), files that exist, videos and pictures
// only; a picture whose time does not convert is left out.
std::vector<IntroEntry> ReadIntroList(const IniFile& settings, const std::filesystem::path& programFolder);

// The first display check that fails, as its message; nothing when the
// screen will do.
std::optional<std::string> DisplayCheckMessage(int width, int height, int depth);

// Whether the work file types still have to be registered.
bool FileTypesNeedRegistering(const IniFile& settings);

}  // namespace lumena
