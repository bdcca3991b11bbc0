#pragma once
// Tells the desktop about the work file kinds: an XDG MIME type per kind and
// a .desktop entry that opens them with the program, all below the user's
// $XDG_DATA_HOME (never a system folder).
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace lumena {

struct FileTypeRegistration {
  std::string extension;    // ".lmc"
  std::string className;    // "TalvekLumena5.10CmpFile"
  std::string displayName;  // "Lumena file"
};

// The MIME type that stands for a class name: "application/x-" + lower case.
std::string MimeTypeOf(const FileTypeRegistration& type);

struct DesktopEntry {
  std::string fileName;  // "lumena.desktop"
  std::string name;      // "Lumena"
  std::filesystem::path programPath;
  // Given before the file, so the desktop starts the program as it was
  // started (its program folder, for one).
  std::vector<std::string> arguments = {};
  // Standard types the program opens too, offered as "Open with".
  std::vector<std::string> alsoOpens = {};
};

// Writes the MIME package and the desktop entry, then refreshes the user's
// MIME and desktop databases when the tools are there. False when the folders
// cannot be made or written.
bool RegisterFileTypes(const std::filesystem::path& dataHome, const DesktopEntry& entry,
                       std::span<const FileTypeRegistration> types);

}  // namespace lumena
