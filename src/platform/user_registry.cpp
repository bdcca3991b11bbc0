#include "platform/user_registry.h"

#include "platform/xdg.h"

namespace lumena {

UserRegistry::UserRegistry() : UserRegistry(defaultFile()) {}

UserRegistry::UserRegistry(std::filesystem::path file) : ini_(std::move(file)) {}

std::filesystem::path UserRegistry::defaultFile() { return xdgConfigHome() / "Talvek" / "registry.ini"; }

std::string UserRegistry::read(std::string_view keyPath, std::string_view name, std::string_view defaultValue) const {
  return ini_.readString(keyPath, name, defaultValue);
}

void UserRegistry::write(std::string_view keyPath, std::string_view name, std::string_view value) {
  std::filesystem::create_directories(ini_.path().parent_path());
  ini_.writeString(keyPath, name, value);
  ini_.flush();
}

std::string dataRootsKeyPath(std::string_view regName) { return "SOFTWARE\\Talvek\\" + std::string(regName); }

}  // namespace lumena
