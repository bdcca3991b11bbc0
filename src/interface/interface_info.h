#pragma once
// The interface description: the assignments of an INTFACE.TXT in file
// order, looked up by dotted key (SECTION.OBJECT.PARAM).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumena {

// What GetInt and GetInterfaceInt answer for a parameter that is missing or
// not a number; our own code asks FindInt and gets nothing instead.
inline constexpr int kMissingInterfaceInt = 2147483647;

struct TParamInfoRecord {
  std::string Section;  // upper case; empty outside any section
  std::string Object;   // upper case; empty for a parameter of the section
  std::string Param;    // upper case
  std::string Value;    // as written, quotes removed

  // Section, object and parameter joined by dots, empty parts left out.
  std::string LookupKey() const;
  friend bool operator==(const TParamInfoRecord&, const TParamInfoRecord&) = default;
};

class TOrvInterfaceInfo {
 public:
  std::vector<TParamInfoRecord> Params;
  bool Loaded = false;

  // The value of the first record whose key equals `key` without regard to
  // case; empty when there is none or the description is not loaded.
  std::string GetParam(std::string_view key) const;
  // The integer value; nothing when the value is empty or not an integer.
  std::optional<int> FindInt(std::string_view key) const;
  // FindInt, or kMissingInterfaceInt.
  int GetInt(std::string_view key) const { return FindInt(key).value_or(kMissingInterfaceInt); }
};

}  // namespace lumena
