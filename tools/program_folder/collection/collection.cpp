#include "collection.h"

#include <string>

#include "../default_template_types.h"
#include "platform/atomic_file.h"
#include "template_kinds.h"
#include "title_card.h"

namespace lumena::tools {

namespace {

namespace fs = std::filesystem;

struct CollectionKind {
  int type;
  ButtonIcon icon;
  void (*draw)(TemplateWriter&);
};

constexpr CollectionKind kKinds[] = {
    {1, ButtonIcon::Hairstyles, DrawHairstyles},
    {2, ButtonIcon::Makeup, DrawBlushes},
    {3, ButtonIcon::Eyes, DrawEyeMakeups},
    {4, ButtonIcon::Lips, DrawLips},
    {5, ButtonIcon::Nails, DrawNailDesigns},
    {6, ButtonIcon::Jewellery, DrawJewellery},
    {7, ButtonIcon::Clothes, DrawTops},
    {8, ButtonIcon::Glasses, DrawGlasses},
    {9, ButtonIcon::Hats, DrawHats},
    {10, ButtonIcon::Frames, DrawFrames},
};

const CollectionKind& KindOf(int type) {
  for (const CollectionKind& kind : kKinds)
    if (kind.type == type) return kind;
  throw std::logic_error("a template type without drawings: " + std::to_string(type));
}

std::string TypeSection(const DefaultTemplateType& type, const fs::path& programFolder) {
  const CollectionKind& kind = KindOf(type.number);
  TemplateWriter writer(programFolder / type.folder, type.number);
  writer.AddTitle(std::string(type.folder) + "_title", type.name, DrawTitleCard(kind.icon));
  kind.draw(writer);
  std::string section = "$PART_TYPE " + std::to_string(type.number) + "\r\n";
  for (const TPartInfoRecord& record : writer.Records()) section += TemplateRecordLine(record) + "\r\n";
  return section;
}

}  // namespace

void WriteDefaultCollection(const fs::path& programFolder) {
  std::string base =
      "# The default template collection: type;X;Y;file;name;tags\r\n"
      "# X and Y place each picture by its type's group; X = 999 marks a title.\r\n";
  for (const DefaultTemplateType& type : kDefaultTemplateTypes) base += TypeSection(type, programFolder);
  WriteFileAtomically(programFolder / kTemplateBaseFileName, base);
}

}  // namespace lumena::tools
