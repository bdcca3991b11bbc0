#pragma once
// The desk geometry as the interface description gives it.
#include <functional>
#include <optional>
#include <string_view>

#include "interface/interface_context.h"
#include "work/desk_geometry.h"

namespace lumena {

// Looks up an integer interface parameter; nothing when absent.
using InterfaceIntLookup = std::function<std::optional<int>(std::string_view key)>;

// Reads the table and the desk window into `desk` and centres the view. A
// value out of its range is reported through `warn` and the built-in value
// kept. False when the table is larger than the program allows: start-up
// ends then.
bool ReadDeskGeometry(const InterfaceIntLookup& lookup, const MessageSink& warn, DeskGeometry& desk);

}  // namespace lumena
