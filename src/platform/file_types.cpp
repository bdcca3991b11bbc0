#include "platform/file_types.h"

#include <system_error>

#include "platform/atomic_file.h"
#include "platform/file_error.h"
#include "platform/shell_open.h"
#include "platform/text.h"

namespace fs = std::filesystem;

namespace lumena {

namespace {

std::string XmlEscaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string MimePackage(std::span<const FileTypeRegistration> types) {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
  for (const FileTypeRegistration& t : types) {
    xml += "  <mime-type type=\"" + XmlEscaped(MimeTypeOf(t)) + "\">\n";
    xml += "    <comment>" + XmlEscaped(t.displayName) + "</comment>\n";
    xml += "    <glob pattern=\"*" + XmlEscaped(ToLower(t.extension)) + "\"/>\n";
    xml += "    <glob pattern=\"*" + XmlEscaped(ToUpper(t.extension)) + "\"/>\n";
    xml += "  </mime-type>\n";
  }
  return xml + "</mime-info>\n";
}

// A program path or argument quoted for the Exec key of a desktop entry.
std::string ExecQuoted(std::string_view word) {
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

std::string DesktopFile(const DesktopEntry& entry, std::span<const FileTypeRegistration> types) {
  std::string mimeTypes;
  for (const FileTypeRegistration& t : types) mimeTypes += MimeTypeOf(t) + ";";
  for (const std::string& type : entry.alsoOpens) mimeTypes += type + ";";
  std::string command = ExecQuoted(entry.programPath.string());
  for (const std::string& argument : entry.arguments) command += " " + ExecQuoted(argument);
  return "[Desktop Entry]\nType=Application\nName=" + entry.name + "\nExec=" + command + " %f\nMimeType=" + mimeTypes +
         "\nTerminal=false\nCategories=Graphics;\n";
}

}  // namespace

std::string MimeTypeOf(const FileTypeRegistration& type) { return "application/x-" + ToLower(type.className); }

bool RegisterFileTypes(const fs::path& dataHome, const DesktopEntry& entry,
                       std::span<const FileTypeRegistration> types) {
  const fs::path mimeFolder = dataHome / "mime";
  const fs::path applications = dataHome / "applications";
  try {
    fs::create_directories(mimeFolder / "packages");
    fs::create_directories(applications);
    WriteFileAtomically(mimeFolder / "packages" / (fs::path(entry.fileName).stem().string() + "-works.xml"),
                        MimePackage(types));
    WriteFileAtomically(applications / entry.fileName, DesktopFile(entry, types));
  } catch (const EFileError&) {
    return false;
  } catch (const fs::filesystem_error&) {
    return false;
  }
  if (ProgramOnPath("update-mime-database")) RunAndWait({"update-mime-database", mimeFolder.string()});
  if (ProgramOnPath("update-desktop-database")) RunAndWait({"update-desktop-database", applications.string()});
  return true;
}

}  // namespace lumena
