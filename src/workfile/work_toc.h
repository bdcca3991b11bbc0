#pragma once
// The table of contents of a work file ("ListFile.txt"): five fixed lines
// (VERSION, PORTRAIT, HAND, BODY, ACTIVELAYER) and one LAYER line per layer,
// each a keyword, "=" and ";"-terminated fields.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "portrait/placement_anchors.h"
#include "work/layer_record.h"

namespace lumena {

// The names of the special layers and the active layer; empty for none.
struct WorkRoles {
  std::string portrait;
  std::string hand;
  std::string body;
  std::string active;
};

// What the fixed lines of a table hold.
struct WorkHeader {
  std::string version;
  WorkRoles roles;
  PlacementAnchors anchors;
};

// The longest layer name a stream name can carry ("<name>.bmp" within the
// compound file's 31 characters).
inline constexpr size_t kMaxLayerNameLength = 27;

// The five fixed lines, without line ends.
std::vector<std::string> FixedTocLines(const WorkHeader& header);
// "LAYER=" and the 19 fields, each followed by ";". A ";" or a line end
// inside a text field would shift every later field, so it is replaced.
std::string LayerTocLine(const TLayerRecord& record);

// The keyword of a line: the trimmed part before its first "=", upper case.
std::string TocKeyword(std::string_view line);
bool IsLayerLine(std::string_view line);
// The record of a LAYER line, its position, size and parameters brought into
// their ranges (ClampToRanges). Throws EWorkFileError when an integer field
// does not convert or the name cannot name a stream.
TLayerRecord ParseLayerLine(std::string_view line);
// A layer name fit to name the streams "<name>.bmp" and "<name>.msk".
bool IsStreamableLayerName(std::string_view name);

// Applies one fixed line to the roles and anchors read so far. Roles are set
// only when named (not empty, not "nil"); anchor values of -1 (and nail
// sizes of 0) leave the value present; a value that does not convert ends
// the line silently. Positions and sizes are clamped to their ranges and
// angles taken modulo 360. Other lines are ignored.
void ApplyFixedTocLine(std::string_view line, WorkRoles& roles, PlacementAnchors& anchors);

// The lines of a table: CR, LF or CR LF end a line.
std::vector<std::string> SplitTocText(std::string_view text);

}  // namespace lumena
