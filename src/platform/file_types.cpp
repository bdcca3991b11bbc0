#include "platform/file_types.h"

#include <stdexcept>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/shell_open.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace lumena {

namespace {

std::string xmlEscaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string mimePackage(std::span<const FileTypeRegistration> types) {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
  for (const FileTypeRegistration& t : types) {
    xml += "  <mime-type type=\"" + xmlEscaped(mimeTypeOf(t)) + "\">\n";
    xml += "    <comment>" + xmlEscaped(t.displayName) + "</comment>\n";
    xml += "    <glob pattern=\"*" + xmlEscaped(toLower(t.extension)) + "\"/>\n";
    xml += "    <glob pattern=\"*" + xmlEscaped(toUpper(t.extension)) + "\"/>\n";
    xml += "  </mime-type>\n";
  }
  return xml + "</mime-info>\n";
}

// A program path or argument quoted for the Exec key of a desktop entry.
std::string execQuoted(std::string_view word) {
  std::string quoted = "\"";
  for (char c : word) {
    if (c == '%') {
      quoted += "%%";
      continue;
    }
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

std::string desktopFile(const DesktopEntry& entry, std::span<const FileTypeRegistration> types) {
  std::string mimeTypes;
  for (const FileTypeRegistration& t : types) mimeTypes += mimeTypeOf(t) + ";";
  std::string command = execQuoted(entry.programPath.string());
  for (const std::string& argument : entry.arguments) command += " " + execQuoted(argument);
  return "[Desktop Entry]\nType=Application\nName=" + entry.name + "\nExec=" + command + " %f\nMimeType=" + mimeTypes + "\nTerminal=false\nCategories=Graphics;\n";
}

}  // namespace

std::string mimeTypeOf(const FileTypeRegistration& type) { return "application/x-" + toLower(type.className); }

bool registerFileTypes(const fs::path& dataHome, const DesktopEntry& entry,
                       std::span<const FileTypeRegistration> types) {
  const fs::path mimeFolder = dataHome / "mime";
  const fs::path applications = dataHome / "applications";
  try {
    fs::create_directories(mimeFolder / "packages");
    fs::create_directories(applications);
    writeFileAtomically(mimeFolder / "packages" / (fs::path(entry.fileName).stem().string() + "-works.xml"),
                        mimePackage(types));
    writeFileAtomically(applications / entry.fileName, desktopFile(entry, types));
  } catch (const std::exception&) {
    return false;
  }
  if (programOnPath("update-mime-database")) runAndWait({"update-mime-database", mimeFolder.string()});
  if (programOnPath("update-desktop-database")) runAndWait({"update-desktop-database", applications.string()});
  return true;
}

}  // namespace lumena
