#include "interface/interface_context.h"

#include "interface/screen_resolution.h"

namespace lumena {

std::string InterfaceContext::GetInterfaceParam(std::string_view key) const {
  return Info ? Info->GetParam(key) : std::string();
}

std::optional<int> InterfaceContext::FindInterfaceInt(std::string_view key) const {
  return Info ? Info->FindInt(key) : std::nullopt;
}

std::string InterfaceContext::InterfaceFile(int level, std::string_view file) const {
  return InterfaceDir + InterfaceName + std::string(ScreenResolution(level).Folder) + std::string(file);
}

std::string InterfaceContext::DefaultInterfaceFile(int level, std::string_view file) const {
  return InterfaceDir + "DEFAULT\\" + std::string(ScreenResolution(level).Folder) + std::string(file);
}

void InterfaceContext::Free() {
  Info.reset();
  Interfaces.clear();
  Termins.clear();
}

InterfaceContext& CurrentInterface() {
  static InterfaceContext context;
  return context;
}

std::string GetInterfaceParam(std::string_view key) { return CurrentInterface().GetInterfaceParam(key); }

std::optional<int> FindInterfaceInt(std::string_view key) { return CurrentInterface().FindInterfaceInt(key); }

int GetInterfaceInt(std::string_view key) { return CurrentInterface().GetInterfaceInt(key); }

std::string GetTermin(std::string_view key, std::string_view defaultText) {
  return GetTermin(key, CurrentInterface().Termins, defaultText);
}

}  // namespace lumena
