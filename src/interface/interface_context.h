#pragma once
// Everything the interface kit knows at run time: where the interfaces live,
// which one and which resolution folder is in use, the description and the
// text table. One process-wide instance serves the windows.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interface/interface_info.h"
#include "interface/interface_list.h"
#include "interface/termins.h"

namespace lumena {

// Shows a message to the user (a warning or error box on the window side).
using MessageSink = std::function<void(const std::string& message)>;

struct InterfaceContext {
  std::filesystem::path AppFolder;  // the folder that holds the application
  int ResolutionLevel = 1;          // 1 or 2
  std::string InterfaceDir = "Intfaces\\";
  std::string InterfaceName = "DEFAULT\\";
  std::vector<TIntInfoRecord> Interfaces;
  std::optional<TOrvInterfaceInfo> Info;  // created by LoadInterfaceInfo
  std::vector<TTermin> Termins;

  std::string GetInterfaceParam(std::string_view key) const;
  std::optional<int> FindInterfaceInt(std::string_view key) const;
  int GetInterfaceInt(std::string_view key) const { return FindInterfaceInt(key).value_or(kMissingInterfaceInt); }
  bool InfoLoaded() const { return Info && Info->Loaded; }

  // Stored (Windows-style) paths below AppFolder of a file in a resolution
  // folder of the chosen interface, and of the DEFAULT interface.
  std::string InterfaceFile(int level, std::string_view file) const;
  std::string DefaultInterfaceFile(int level, std::string_view file) const;

  // Releases the description, the interface list and the text table.
  void Free();
};

InterfaceContext& CurrentInterface();

// Lookups in CurrentInterface().
std::string GetInterfaceParam(std::string_view key);
std::optional<int> FindInterfaceInt(std::string_view key);
int GetInterfaceInt(std::string_view key);
std::string GetTermin(std::string_view key, std::string_view defaultText);

}  // namespace lumena
