#include "interface/interface_loader.h"

#include "interface/interface_errors.h"
#include "interface/interface_parser.h"
#include "interface/screen_resolution.h"
#include "platform/ini_file.h"
#include "platform/stored_path.h"
#include "platform/text_file.h"

namespace lumena {

namespace {
constexpr std::string_view kDescriptionFile = "INTFACE.TXT";
}  // namespace

std::optional<TextFile> TryOpenInterfaceDescription(const InterfaceContext& context) {
  for (int level = context.ResolutionLevel; level >= 1; --level) {
    const std::optional<std::filesystem::path> path =
        ResolveStoredPath(context.AppFolder, context.InterfaceFile(level, kDescriptionFile));
    if (!path) continue;
    try {
      return OpenTextFileChecked(*path, TextFileMode::Read);
    } catch (const EFileError&) {
    }
  }
  return std::nullopt;
}

void ReadInterfaceInfo(InterfaceContext& context, const IniFile& settings, int screenWidth, int screenHeight) {
  if (!context.Info) throw EInfoObjectNotInitialized();
  TOrvInterfaceInfo& info = *context.Info;
  info.Params.clear();
  info.Loaded = false;
  context.ResolutionLevel = ResolutionLevelFor(screenWidth, screenHeight);
  context.InterfaceDir = ReadInterfaceDir(settings);
  InterfaceList list = ReadInterfaceList(settings);
  context.Interfaces = std::move(list.Entries);
  context.InterfaceName = std::move(list.ChosenName);
  if (std::optional<TextFile> file = TryOpenInterfaceDescription(context)) info.Params = ParseInterfaceFile(*file);
  info.Loaded = true;
}

bool LoadInterfaceInfo(InterfaceContext& context, const IniFile& settings, int screenWidth, int screenHeight,
                       const MessageSink& warn) {
  if (context.Info)
    *context.Info = {};
  else
    context.Info.emplace();
  try {
    ReadInterfaceInfo(context, settings, screenWidth, screenHeight);
  } catch (const EIntInfo& error) {
    if (warn) warn(error.what());
  } catch (const EFileError&) {
  } catch (const std::filesystem::filesystem_error&) {
  }
  return context.Info->Loaded;
}

}  // namespace lumena
