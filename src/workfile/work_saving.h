#pragma once
#include <filesystem>
#include <string_view>

#include "portrait/placement_anchors.h"
#include "work/work_desk.h"

namespace lumena {

// Saves the desk's work in the kind its extension names (".lmc"
// compressed, anything else uncompressed). Throws EFileError or
// EWorkFileError.
void SaveWork(const std::filesystem::path& path, TWorkDesk& desk, const PlacementAnchors& anchors,
              std::string_view version);

}  // namespace lumena
