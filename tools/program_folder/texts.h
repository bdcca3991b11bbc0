#pragma once
#include <string>

namespace lumena::tools {

// termins.txt: an English text for every key the windows use.
std::string DefaultTexts();

}  // namespace lumena::tools
