#pragma once
// Loading a work file of either kind onto the work desk.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "portrait/placement_anchors.h"
#include "work/work_desk.h"
#include "workfile/stored_work.h"

namespace lumena {

class CompoundReader;

struct WorkLoadOutcome {
  // False when the work was merged into the layers already on the desk.
  bool workSaved = true;
  std::string workName;  // the file name without its extension
};

// What becomes of the layers already on the desk when a work is loaded: the
// answer to "ConfirmClearPrevWork", which callers ask only when the desk
// holds layers and the work has been read (Yes clears, No merges).
enum class PreviousWork : uint8_t { Clear, Merge };

// Reads a work file of either kind whole (ReadStoredWork), unpacking a
// compressed work in a private temporary folder that is removed before
// returning. Throws EFileError for a file that cannot be read and
// EWorkFileError for a damaged or refused work.
StoredWork ReadStoredWork(const std::filesystem::path& path);

// Places a work read whole by ReadStoredWork from `path`. When the desk
// holds layers, `previous` decides: Clear empties the desk and the anchors,
// Merge keeps them (the loaded layers come first). The layers, roles,
// anchors, nail marks and active layer are then placed on the desk.
WorkLoadOutcome LoadStoredWork(StoredWork& work, const std::filesystem::path& path, TWorkDesk& desk,
                               PlacementAnchors& anchors, PreviousWork previous);

// ReadStoredWork, then LoadStoredWork: an unreadable file (EFileError) or a
// damaged or refused work (EWorkFileError) throws before the desk changes.
WorkLoadOutcome ReadWorkFile(const std::filesystem::path& path, TWorkDesk& desk, PlacementAnchors& anchors,
                             PreviousWork previous = PreviousWork::Clear);

// The layers, roles, anchors and active layer of an open compound work,
// read whole and then added to the desk. Throws EWorkFileError, and then
// nothing was added.
void LoadWorkFromCompound(const CompoundReader& file, TWorkDesk& desk, PlacementAnchors& anchors);

// The table of contents of a work file of either kind, a line per entry, as
// stored; its layer lines are checked against the caps. Throws
// EWorkFileError.
std::vector<std::string> ReadWorkToc(const std::filesystem::path& path);

// Unpacks a compressed work file into an uncompressed one at the target,
// which only appears when complete. Throws EFileError or EWorkFileError.
void UnpackCompressedWorkFile(const std::filesystem::path& source, const std::filesystem::path& target);

}  // namespace lumena
