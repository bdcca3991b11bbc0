#pragma once
// A Windows-style INI file: "[Section]" lines and "Key=Value" lines. Sections
// and keys compare without regard to case, the file's order is kept, and the
// file is written back with CR LF line ends.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lumena {

class IniFile {
 public:
  IniFile() = default;
  // Reads the file when it exists; a missing file gives an empty INI that
  // flush() creates. Throws EFileError when the file cannot be read.
  explicit IniFile(std::filesystem::path path);

  const std::filesystem::path& Path() const { return path_; }

  bool SectionExists(std::string_view section) const;
  bool KeyExists(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
  // "YES" and "NO" flags, upper-cased before the comparison; a missing key
  // gives the default.
  bool ReadFlag(std::string_view section, std::string_view key, bool defaultValue) const;
  // The section's keys in file order.
  std::vector<std::string> ReadSectionKeys(std::string_view section) const;
  // The section's lines as "Key=Value", in file order.
  std::vector<std::string> ReadSectionLines(std::string_view section) const;
  std::vector<std::string> SectionNames() const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteFlag(std::string_view section, std::string_view key, bool value);
  void DeleteKey(std::string_view section, std::string_view key);
  void EraseSection(std::string_view section);

  bool Dirty() const { return dirty_; }
  // Writes the file when it changed, through a temporary file renamed over
  // the old one. Throws EFileError when the file cannot be written.
  void Flush();
  // The text flush() writes.
  std::string Text() const;

 private:
  struct Entry {
    std::string key;  // empty for a line that is not "key=value" (kept as raw)
    std::string value;
    std::string raw;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  void Parse(std::string_view text);
  Section* FindSection(std::string_view name);
  const Section* FindSection(std::string_view name) const;
  static const Entry* FindEntry(const Section& section, std::string_view key);

  std::filesystem::path path_;
  std::vector<Entry> preamble_;  // lines before the first section
  std::vector<Section> sections_;
  bool dirty_ = false;
};

}  // namespace lumena
