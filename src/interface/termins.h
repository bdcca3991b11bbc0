#pragma once
// The interface text table (termins.txt): "Key=Text;" lines looked up by exact
// key. A "\" in a text is a line break; "@" may separate a hint from the name
// of its sound file.
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumena {

struct TTermin {
  std::string Key;
  std::string Text;
  friend bool operator==(const TTermin&, const TTermin&) = default;
};

// One line of the table; nothing for a blank or comment line.
std::optional<TTermin> ParseTerminLine(std::string_view line);

// Appends the file's entries to `list` in file order (duplicates kept); false
// when the file cannot be opened.
bool LoadTermins(const std::filesystem::path& path, std::vector<TTermin>& list);

// The text of the first entry whose key equals `key` (case-sensitive), or the
// default.
std::string GetTermin(std::string_view key, std::span<const TTermin> list, std::string_view defaultText);

}  // namespace lumena
