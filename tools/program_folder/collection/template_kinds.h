#pragma once
// The kinds of template of the default collection, one drawing file each.
#include "template_writer.h"

namespace lumena::tools {

void DrawHairstyles(TemplateWriter& writer);
void DrawBlushes(TemplateWriter& writer);
void DrawEyeMakeups(TemplateWriter& writer);
void DrawLips(TemplateWriter& writer);
void DrawNailDesigns(TemplateWriter& writer);
void DrawJewellery(TemplateWriter& writer);
void DrawTops(TemplateWriter& writer);
void DrawGlasses(TemplateWriter& writer);
void DrawHats(TemplateWriter& writer);
void DrawFrames(TemplateWriter& writer);

}  // namespace lumena::tools
