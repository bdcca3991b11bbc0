#pragma once
#include <string>

namespace lumena::tools {

// PalData.txt: the default palettes, one a line, CR LF line ends.
std::string DefaultPalettesText();

}  // namespace lumena::tools
