#pragma once
// The installed interfaces, listed in section INTERFACES of the settings file
// as "Interface<n>=folder;caption;selected;".
#include <string>
#include <vector>

namespace lumena {

class IniFile;

struct TIntInfoRecord {
  std::string Folder;   // trimmed, upper case
  std::string Caption;  // trimmed
  bool Selected = false;
  friend bool operator==(const TIntInfoRecord&, const TIntInfoRecord&) = default;
};

struct InterfaceList {
  std::vector<TIntInfoRecord> Entries;
  std::string ChosenName;  // folder of the last selected entry, or DEFAULT; with "\"
};

// Entries whose third field is missing or not an integer are dropped.
InterfaceList ReadInterfaceList(const IniFile& settings);

// The interface root folder: DIRECTORIES/InterfaceDirName, first field,
// default "Intfaces", with a trailing "\" (empty stays empty: the
// application folder itself).
std::string ReadInterfaceDir(const IniFile& settings);

}  // namespace lumena
