#include "shell/startup_settings.h"

#include "platform/text.h"
#include "shell/product_identity.h"

namespace fs = std::filesystem;

namespace lumena {

namespace {

constexpr std::string_view kDirectories = "DIRECTORIES";

std::string NamedFolder(const IniFile& settings, std::string_view key, std::string_view defaultValue) {
  return FolderValue(settings.ReadString(kDirectories, key, defaultValue));
}

fs::path RootFromRegistry(const UserRegistry& registry, std::string_view keyPath, std::string_view name,
                          const fs::path& programFolder) {
  const std::string value = Trim(registry.Read(keyPath, name));
  return value.empty() ? programFolder : fs::path(value);
}

}  // namespace

std::string FolderValue(std::string_view raw) { return WithTrailingBackslash(TrimView(raw.substr(0, raw.find(';')))); }

NamedFolders ReadNamedFolders(const IniFile& settings) {
  return {
      NamedFolder(settings, "LoadImageDirName", "ImageIn"), NamedFolder(settings, "SaveImageDirName", "ImageOut"),
      NamedFolder(settings, "LoadWorkDirName", "Works"),    NamedFolder(settings, "SaveWorkDirName", "Works"),
      NamedFolder(settings, "MusicFilesDirName", "Music"),  NamedFolder(settings, "SoundFilesDirName", "Sound"),
      NamedFolder(settings, "QueriesDirName", "Queries"),   NamedFolder(settings, "HelpDirName", "Help"),
      NamedFolder(settings, "TipsDirName", "Tips"),         NamedFolder(settings, "CatalogDirName", "Catalog"),
  };
}

StartupSettings ReadStartupSettings(const IniFile& settings) {
  StartupSettings s;
  s.folders = ReadNamedFolders(settings);
  s.calibration = {settings.ReadInteger("CALIBRATION COLOR", "Red", 252),
                   settings.ReadInteger("CALIBRATION COLOR", "Green", 217),
                   settings.ReadInteger("CALIBRATION COLOR", "Blue", 188)};
  s.mailServer = settings.ReadString("MAIL", "Server", "");
  s.mailPort = settings.ReadInteger("MAIL", "Port", 25);
  s.printLeftRightMargin = settings.ReadInteger("PRINT", "LeftRightMargin", 5);
  s.printTopBottomMargin = settings.ReadInteger("PRINT", "TopBottomMargin", 10);
  s.showTips = settings.ReadFlag("TIPS", "ShowTips", false);
  s.playMusic = settings.ReadFlag("MUSIC", "PlayMusic", false);
  s.playSound = settings.ReadFlag("SOUND", "PlaySound", false);
  return s;
}

std::string RegistryName(const IniFile& settings) {
  return settings.ReadString("REGISTRY", "RegName", kProductIdentity.nameWithVersion);
}

DataRoots ReadDataRoots(const IniFile& settings, const UserRegistry& registry, const fs::path& programFolder) {
  const std::string keyPath = DataRootsKeyPath(RegistryName(settings));
  return DataRoots(RootFromRegistry(registry, keyPath, "HDPath", programFolder),
                   RootFromRegistry(registry, keyPath, "CDPath", programFolder), programFolder);
}

std::string PublisherLink(const IniFile& settings, std::string_view key) {
  // Without the section the publisher has no pages: nothing is opened.
  if (!settings.SectionExists("Publisher Links")) return "";
  return Trim(settings.ReadString("Publisher Links", key, kProductWebSite));
}

std::vector<IntroEntry> ReadIntroList(const IniFile& settings, const fs::path& programFolder) {
  std::vector<std::string> lines = settings.ReadSectionLines("Intro Video");
  if (lines.empty()) lines = {"Logo=Logo.avi"};
  std::vector<IntroEntry> entries;
  for (const std::string& line : lines) {
    const std::vector<std::string> fields = SplitAt(line.substr(line.find('=') + 1), ';');
    const std::string name = Trim(fields[0]);
    const auto file = ResolveStoredPath(programFolder, name);
    if (name.empty() || !file || !fs::is_regular_file(*file)) continue;
    auto field = [&](size_t i) { return i < fields.size() ? ParseInt(Trim(fields[i])) : std::nullopt; };
    const std::optional<int> second = field(1), third = field(2);
    const std::string ext = StoredExtension(name);
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

std::optional<std::string> DisplayCheckMessage(int width, int height, int depth) {
  if (width < 800 || height < 600) return "Screen resolution must be 800-600 or higher.\rProgram terminated.";
  if (width < 1024 || height < 768) return "Screen resolution must be 1024-768 or higher.\rProgram terminated.";
  if (depth < 16) return "Color depth must be 16 bits (high color) or higher.\rProgram terminated.";
  return std::nullopt;
}

bool FileTypesNeedRegistering(const IniFile& settings) {
  return ToUpper(settings.ReadString("TYPES REGISTRATION", "LMTypeRegistered", "NO")) != "YES";
}

}  // namespace lumena
