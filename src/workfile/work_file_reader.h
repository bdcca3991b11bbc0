#pragma once
// Loading a work file of either kind onto the work desk.
#include <filesystem>
#include <string>
#include <vector>

#include "portrait/placement_anchors.h"
#include "work/desk_host.h"
#include "work/work_desk.h"

namespace lumena {

class CompoundReader;

struct WorkLoadOutcome {
  // False when the file does not exist: nothing changed and the caller shows
  // "MessageUnableLoadWork".
  bool loaded = false;
  // False when the work was merged into the layers already on the desk.
  bool workSaved = true;
  std::string workName;  // the file name without its extension
};

// Loads the work: asks "ConfirmClearPrevWork" when the desk holds layers
// (Yes clears the desk and the anchors, No merges: the loaded layers come
// first), unpacks a compressed work into a private temporary folder that is
// removed afterwards, and restores layers, roles, anchors, nail marks and the
// active layer. Throws EWorkFileError for a damaged file; the layers made
// before the error stay on the desk.
WorkLoadOutcome ReadWorkFile(const std::filesystem::path& path, TWorkDesk& desk, DeskHost& host,
                             PlacementAnchors& anchors);

// The layers, roles, anchors and active layer of an open compound work,
// added to the desk. Throws EWorkFileError.
void LoadWorkFromCompound(const CompoundReader& file, TWorkDesk& desk, PlacementAnchors& anchors);

// The table of contents of a work file of either kind, a line per entry, as
// stored. Throws EWorkFileError.
std::vector<std::string> ReadWorkToc(const std::filesystem::path& path);

// Unpacks a compressed work file into an uncompressed one at the target,
// which only appears when complete. Throws EWorkFileError.
void UnpackCompressedWorkFile(const std::filesystem::path& source, const std::filesystem::path& target);

}  // namespace lumena
