#pragma once
// Choosing a template lays it on the work: refused with a message while the
// face or hand it needs is not adjusted, looked for in the data roots,
// placed by its group (on every chosen nail for nail templates), optionally
// replacing the layers of its type. The window and the command-line try-on
// both lay templates through here.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "editing/editing_session.h"
#include "platform/stored_path.h"
#include "portrait/placement_anchors.h"
#include "templates/template_base.h"
#include "templates/template_placement.h"

namespace lumena {

class TLayer;

// What is laid: the picture file found, its type and name, and the point
// its group places it from.
struct TemplateChoice {
  std::filesystem::path path;
  int32_t type = 0;
  std::string name;
  Point placePoint;
};

// Makes the choice's layer and lays it; `nail` 1..5 puts a nail template on
// that nail mark, 0 on no nail. Throws the picture reader's error.
TLayer& LayTemplate(EditingSession& session, const TTemplateBase& base, const DataRoots& roots,
                    const PlacementAnchors& anchors, const TemplateChoice& choice, int nail);

// The window's switches: the pressed nail buttons and replace-same-type.
struct TemplateOptions {
  std::array<bool, kNailMarkCount> nails{};
  bool replaceSameType = false;
};

// How a choice ended: the layers laid, or the text key of the message the
// user is shown instead (empty when nothing needed saying).
struct ChoiceOutcome {
  int laid = 0;
  std::string_view message;
};

// The message a choice of the group is refused with while the face or the
// hand it needs is not adjusted; empty when it may be laid.
std::string_view TemplateRefusal(TemplateGroup group, const PlacementAnchors& anchors);

ChoiceOutcome ChooseTemplate(EditingSession& session, const TTemplateBase& base, const DataRoots& roots,
                             const PlacementAnchors& anchors, const TPartInfoRecord& chosen,
                             const TemplateOptions& options);

}  // namespace lumena
