#include "platform/xdg.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace lumena {

namespace {

std::filesystem::path FromEnvironment(const char* name, const char* fallbackBelowHome) {
  const char* value = std::getenv(name);
  if (value && value[0] == '/') return value;
  return HomeFolder() / fallbackBelowHome;
}

}  // namespace

std::filesystem::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return "/tmp";
}

std::filesystem::path XdgConfigHome() { return FromEnvironment("XDG_CONFIG_HOME", ".config"); }
std::filesystem::path XdgDataHome() { return FromEnvironment("XDG_DATA_HOME", ".local/share"); }

}  // namespace lumena
