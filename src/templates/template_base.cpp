#include "templates/template_base.h"

#include "platform/interface_token.h"
#include "platform/record_fields.h"
#include "platform/text.h"
#include "platform/text_file.h"

namespace lumena {

namespace {

bool IsHeading(std::string_view line) { return ToUpper(NextInterfaceToken(line).text) == "$PART_TYPE"; }

bool HeadingHasNumber(std::string_view line) {
  const InterfaceToken keyword = NextInterfaceToken(line);
  return ParseInt(NextInterfaceToken(DeleteUsedAndTrim(line, keyword.used)).text).has_value();
}

std::string WithFolder(const std::string& name, int32_t type, const std::vector<TPartTypeRecord>& types) {
  if (type <= 0) return name;
  for (const TPartTypeRecord& t : types)
    if (t.Number == type) return t.Folder + "\\" + name;
  return name;
}

}  // namespace

std::string MissingTypeNumberWarning(int lineNumber) {
  return "Error in contents of file PARTBASE.TXT (line #" + std::to_string(lineNumber) +
         ")\rTemplate type number is missing";
}

std::optional<TPartInfoRecord> ParseTemplateRecord(std::string_view line, const std::vector<TPartTypeRecord>& types) {
  RecordFieldCursor fields(line);
  const auto type = ParseInt(fields.Next());
  const auto x = ParseInt(fields.Next());
  const auto y = ParseInt(fields.Next());
  const std::string fileName = Trim(fields.Next());
  if (!type || !x || !y) return std::nullopt;
  TPartInfoRecord record{*type, *x, *y, WithFolder(fileName, *type, types), {}, {}};
  if (fields.HasSeparator()) {
    record.Name = Trim(fields.Next());
    record.Tags = ToUpper(Trim(fields.Rest()));
  } else {
    // A name without its ";" is the rest of the line, and so are the tags.
    record.Name = Trim(fields.Rest());
    record.Tags = ToUpper(record.Name);
  }
  return record;
}

std::string TemplateRecordLine(const TPartInfoRecord& r) {
  // The tags run to the end of the line and are ";"-terminated groups.
  return std::to_string(r.TypeNumber) + ';' + std::to_string(r.X) + ';' + std::to_string(r.Y) + ';' +
         RecordFieldText(r.FileName) + ';' + RecordFieldText(r.Name) + ';' + RecordFieldText(r.Tags, true);
}

void TTemplateBase::LoadTemplateTypes(const IniFile& settings) { Types_ = ReadTemplateTypes(settings); }

void TTemplateBase::ReadTemplateLine(std::string_view raw, int lineNumber, const TemplateWarning& warn) {
  const std::string_view line = TrimView(raw);
  if (line.empty() || line.front() == '#') return;
  if (IsHeading(line)) {
    if (!HeadingHasNumber(line) && warn) warn(MissingTypeNumberWarning(lineNumber));
    return;
  }
  if (auto record = ParseTemplateRecord(line, Types_)) Templates_.push_back(std::move(*record));
}

void TTemplateBase::LoadTemplateBase(const std::filesystem::path& file, const TemplateWarning& warn) {
  Templates_.clear();
  TextFile text = OpenTextFileChecked(file, TextFileMode::Read);
  std::string line;
  for (int number = 1; text.ReadLine(line); ++number) ReadTemplateLine(line, number, warn);
  TemplateBaseChanged = false;
}

const TPartTypeRecord* TTemplateBase::FindTemplateType(int32_t number) const {
  for (const TPartTypeRecord& t : Types_)
    if (t.Number == number) return &t;
  return nullptr;
}

std::vector<const TPartInfoRecord*> TTemplateBase::TemplatesOfType(int32_t number) const {
  std::vector<const TPartInfoRecord*> found;
  for (const TPartInfoRecord& t : Templates_)
    if (t.TypeNumber == number) found.push_back(&t);
  return found;
}

std::string TTemplateBase::GroupOf(int32_t number) const {
  const TPartTypeRecord* type = FindTemplateType(number);
  return type ? type->Group : "F";
}

void TTemplateBase::AppendTemplateRecord(const std::filesystem::path& file, const TPartInfoRecord& record) {
  TextFile text = OpenTextFileChecked(file, TextFileMode::Append);
  text.WriteLine(TemplateRecordLine(record));
  TemplateBaseChanged = true;
}

}  // namespace lumena
