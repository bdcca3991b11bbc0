#pragma once
// Reading the interface description at start-up.
#include <optional>
#include <vector>

#include "interface/interface_context.h"
#include "platform/text_file.h"

namespace lumena {

class IniFile;

// The description file of the chosen interface, opened, for the highest
// resolution level up to context.ResolutionLevel that has one, or nothing.
std::optional<TextFile> TryOpenInterfaceDescription(const InterfaceContext& context);

// Sets the resolution level, the interface folder and list from the settings
// and parses the description into context.Info. Throws
// EInfoObjectNotInitialized when context.Info has not been created, and
// EErrorInInfoFile at the first error of the file.
void ReadInterfaceInfo(InterfaceContext& context, const IniFile& settings, int screenWidth, int screenHeight);

// Creates (or empties) the description and reads it; an EIntInfo goes to
// `warn`, file-system errors are swallowed. Returns whether it is loaded.
bool LoadInterfaceInfo(InterfaceContext& context, const IniFile& settings, int screenWidth, int screenHeight,
                       const MessageSink& warn);

}  // namespace lumena
