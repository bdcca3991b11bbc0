#pragma once
// Works for the tool: a desk without windows that a work file is loaded
// onto and saved from.
#include <filesystem>

#include "portrait/placement_anchors.h"
#include "work/desk_observer.h"
#include "work/work_desk.h"

namespace lumena::tool {

// The largest table the program allows, so that no work is cut.
DeskGeometry LargestTable();

struct LoadedWork {
  explicit LoadedWork(const DeskGeometry& geometry = LargestTable());
  DeskObserver observer;
  TWorkDesk desk;
  PlacementAnchors anchors;
};

// Throws EWorkFileError with a message for the user: a missing, damaged or
// refused work.
void LoadWork(const std::filesystem::path& path, LoadedWork& work);
// Writes the kind the extension names.
void SaveWork(LoadedWork& work, const std::filesystem::path& path);
// All visible layers composed at full size, transparent where nothing lies.
Picture FullWorkImage(LoadedWork& work);

}  // namespace lumena::tool
