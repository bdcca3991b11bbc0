#include "shell/startup_settings.h"

#include "platform/text.h"
#include "shell/product_identity.h"

namespace fs = std::filesystem;

namespace lumena {

namespace {

constexpr std::string_view kDirectories = "DIRECTORIES";

std::string namedFolder(const IniFile& settings, std::string_view key, std::string_view defaultValue) {
  return folderValue(settings.readString(kDirectories, key, defaultValue));
}

fs::path rootFromRegistry(const UserRegistry& registry, std::string_view keyPath, std::string_view name,
                          const fs::path& programFolder) {
  const std::string value = trim(registry.read(keyPath, name));
  return value.empty() ? programFolder : fs::path(value);
}

}  // namespace

std::string folderValue(std::string_view raw) {
  return withTrailingBackslash(trimView(raw.substr(0, raw.find(';'))));
}

NamedFolders readNamedFolders(const IniFile& settings) {
  return {
      namedFolder(settings, "LoadImageDirName", "ImageIn"),
      namedFolder(settings, "SaveImageDirName", "ImageOut"),
      namedFolder(settings, "LoadWorkDirName", "Works"),
      namedFolder(settings, "SaveWorkDirName", "Works"),
      namedFolder(settings, "MusicFilesDirName", "Music"),
      namedFolder(settings, "SoundFilesDirName", "Sound"),
      namedFolder(settings, "QueriesDirName", "Queries"),
      namedFolder(settings, "HelpDirName", "Help"),
      namedFolder(settings, "TipsDirName", "Tips"),
      namedFolder(settings, "CatalogDirName", "Catalog"),
  };
}

StartupSettings readStartupSettings(const IniFile& settings) {
  StartupSettings s;
  s.folders = readNamedFolders(settings);
  s.calibration = {settings.readInteger("CALIBRATION COLOR", "Red", 252),
                   settings.readInteger("CALIBRATION COLOR", "Green", 217),
                   settings.readInteger("CALIBRATION COLOR", "Blue", 188)};
  s.mailServer = settings.readString("MAIL", "Server", "");
  s.mailPort = settings.readInteger("MAIL", "Port", 25);
  s.printLeftRightMargin = settings.readInteger("PRINT", "LeftRightMargin", 5);
  s.printTopBottomMargin = settings.readInteger("PRINT", "TopBottomMargin", 10);
  s.showTips = settings.readFlag("TIPS", "ShowTips", false);
  s.playMusic = settings.readFlag("MUSIC", "PlayMusic", false);
  s.playSound = settings.readFlag("SOUND", "PlaySound", false);
  return s;
}

std::string registryName(const IniFile& settings) {
  return settings.readString("REGISTRY", "RegName", ProductIdentity.nameWithVersion);
}

DataRoots readDataRoots(const IniFile& settings, const UserRegistry& registry, const fs::path& programFolder) {
  const std::string keyPath = dataRootsKeyPath(registryName(settings));
  return DataRoots(rootFromRegistry(registry, keyPath, "HDPath", programFolder),
                   rootFromRegistry(registry, keyPath, "CDPath", programFolder), programFolder);
}

std::string publisherLink(const IniFile& settings, std::string_view key) {
  // Without the section the publisher has no pages: nothing is opened.
  if (!settings.sectionExists("Publisher Links")) return "";
  return trim(settings.readString("Publisher Links", key, kProductWebSite));
}

std::vector<IntroEntry> readIntroList(const IniFile& settings, const fs::path& programFolder) {
  std::vector<std::string> lines = settings.readSectionLines("Intro Video");
  if (lines.empty()) lines = {"Logo=Logo.avi"};
  std::vector<IntroEntry> entries;
  for (const std::string& line : lines) {
    const std::vector<std::string> fields = splitAt(line.substr(line.find('=') + 1), ';');
    const std::string name = trim(fields[0]);
    const auto file = resolveStoredPath(programFolder, name);
    if (name.empty() || !file || !fs::is_regular_file(*file)) continue;
    auto field = [&](size_t i) { return i < fields.size() ? parseInt(trim(fields[i])) : std::nullopt; };
    const std::optional<int> second = field(1), third = field(2);
    const std::string ext = storedExtension(name);
    if (ext == ".avi" || ext == ".mpg") {
      IntroEntry e{IntroEntry::Kind::Video, *file};
      if (second && third) {
        e.width = *second;
        e.height = *third;
      }
      entries.push_back(e);
    } else if (ext == ".jpg" || ext == ".bmp") {
      const std::optional<int> time = second;
      if (!time) continue;
      IntroEntry e{IntroEntry::Kind::Picture, *file};
      e.milliseconds = *time == 0 ? 1000 : *time;
      entries.push_back(e);
    }
  }
  return entries;
}

std::optional<std::string> displayCheckMessage(int width, int height, int depth) {
  if (width < 800 || height < 600) return "Screen resolution must be 800-600 or higher.\rProgram terminated.";
  if (width < 1024 || height < 768) return "Screen resolution must be 1024-768 or higher.\rProgram terminated.";
  if (depth < 16) return "Color depth must be 16 bits (high color) or higher.\rProgram terminated.";
  return std::nullopt;
}

bool fileTypesNeedRegistering(const IniFile& settings) {
  return toUpper(settings.readString("TYPES REGISTRATION", "LMTypeRegistered", "NO")) != "YES";
}

}  // namespace lumena
