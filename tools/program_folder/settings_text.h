#pragma once
#include <string>

namespace lumena::tools {

// Lumena.ini of the default program folder, CR LF line ends.
std::string DefaultSettingsText();

}  // namespace lumena::tools
