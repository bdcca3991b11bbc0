#pragma once
// The template base: the template types and the templates of "PartBase.txt"
// (one record per line: type number; X; Y; file name; name; tags).
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "templates/template_types.h"

namespace lumena {

class IniFile;

inline constexpr std::string_view kTemplateBaseFileName = "PartBase.txt";
// X of a title entry: its name is a caption and it cannot be laid.
inline constexpr int32_t kTitleEntryX = 999;

struct TPartInfoRecord {
  int32_t TypeNumber = 0;
  int32_t X = 0;
  int32_t Y = 0;
  std::string FileName;  // relative to a data root: the type's folder, "\", the name in the line
  std::string Name;
  std::string Tags;  // upper case: "?KEY=V1,V2;" groups
  bool IsTitle() const { return X == kTitleEntryX; }
  friend bool operator==(const TPartInfoRecord&, const TPartInfoRecord&) = default;
};

// A warning for the user (the window shows it with an OK button and lets
// pending window messages run).
using TemplateWarning = std::function<void(const std::string& message)>;

// The warning of a "$PART_TYPE" heading without a number.
std::string MissingTypeNumberWarning(int lineNumber);

// A record line (neither blank, comment nor heading). Nothing when an
// integer does not convert. The folder of the first type with the record's
// number goes in front of the file name.
std::optional<TPartInfoRecord> ParseTemplateRecord(std::string_view line, const std::vector<TPartTypeRecord>& types);

// The record line written for a template: "type;x;y;file;name;tags" with the
// file name as given. A ";" in the file name or name and a line end in any
// field become ",", so that the line stays one record of six fields.
std::string TemplateRecordLine(const TPartInfoRecord& record);

class TTemplateBase {
 public:
  // Empties the type list and reads the section "TEMPLATE TYPES".
  void LoadTemplateTypes(const IniFile& settings);
  void SetTemplateTypes(std::vector<TPartTypeRecord> types) { Types_ = std::move(types); }
  // Empties the template list and reads the file; a missing or unreadable
  // file throws EFileError (the list then stays empty). Clears
  // TemplateBaseChanged.
  void LoadTemplateBase(const std::filesystem::path& file, const TemplateWarning& warn = {});
  // One physical line of the file, numbered from 1.
  void ReadTemplateLine(std::string_view line, int lineNumber, const TemplateWarning& warn);

  const std::vector<TPartTypeRecord>& Types() const { return Types_; }
  const std::vector<TPartInfoRecord>& Templates() const { return Templates_; }
  const TPartTypeRecord* FindTemplateType(int32_t number) const;
  std::vector<const TPartInfoRecord*> TemplatesOfType(int32_t number) const;
  // The placement group of a type: its letter; "F" without such a type.
  std::string GroupOf(int32_t number) const;

  // Appends one record line to the file (created when missing) and sets
  // TemplateBaseChanged. Throws EFileError.
  void AppendTemplateRecord(const std::filesystem::path& file, const TPartInfoRecord& record);

  bool TemplateBaseChanged = false;

 private:
  std::vector<TPartTypeRecord> Types_;
  std::vector<TPartInfoRecord> Templates_;
};

}  // namespace lumena
