#include "platform/user_registry.h"

#include "platform/xdg.h"

namespace lumena {

UserRegistry::UserRegistry() : UserRegistry(DefaultFile()) {}

UserRegistry::UserRegistry(std::filesystem::path file) : ini_(std::move(file)) {}

std::filesystem::path UserRegistry::DefaultFile() { return XdgConfigHome() / "Talvek" / "registry.ini"; }

std::string UserRegistry::Read(std::string_view keyPath, std::string_view name, std::string_view defaultValue) const {
  return ini_.ReadString(keyPath, name, defaultValue);
}

void UserRegistry::Write(std::string_view keyPath, std::string_view name, std::string_view value) {
  std::filesystem::create_directories(ini_.Path().parent_path());
  ini_.WriteString(keyPath, name, value);
  ini_.Flush();
}

std::string DataRootsKeyPath(std::string_view regName) { return "SOFTWARE\\Talvek\\" + std::string(regName); }

}  // namespace lumena
