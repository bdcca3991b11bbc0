#pragma once
// The parser of INTFACE.TXT. Every entry point throws EErrorInInfoFile at
// the first error, naming the line (counted from 1, every physical line).
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "interface/interface_info.h"

namespace lumena {

class TextFile;

class InterfaceDescriptionParser {
 public:
  // Parses the next physical line, appending its assignments to `out`.
  void ParseLine(std::string_view line, std::vector<TParamInfoRecord>& out);
  int LineNumber() const { return line_; }

 private:
  struct Open {
    std::string name;  // as written
    std::string type;  // as written
    bool IsOpen() const { return !name.empty(); }
    void Close() {
      name.clear();
      type.clear();
    }
  };
  void ParseSection(std::string_view rest);
  void ParseObject(std::string_view rest);
  // The name and the type after SECTION or OBJECT, into `entry`; `kind`
  // ("Section", "Object") names them in the messages, and `checkPlace`
  // refuses a name where it may not open.
  void ParseOpening(std::string_view rest, std::string_view kind, bool (*validType)(std::string_view), Open& entry,
                    const std::function<void(const std::string& name)>& checkPlace);
  void ParseEnd();
  void ParseAssignments(std::string_view rest, std::vector<TParamInfoRecord>& out);
  void CheckParam(const std::string& name) const;
  [[noreturn]] void Fail(const std::string& message) const;

  int line_ = 0;
  Open section_;
  Open object_;
};

std::vector<TParamInfoRecord> ParseInterfaceLines(std::span<const std::string> lines);
// Splits the text at CR LF, LF or CR first.
std::vector<TParamInfoRecord> ParseInterfaceText(std::string_view text);
// Also throws EFileError when the file cannot be opened or read.
std::vector<TParamInfoRecord> ParseInterfaceFile(const std::filesystem::path& path);
// Reads the opened file to its end.
std::vector<TParamInfoRecord> ParseInterfaceFile(TextFile& file);

}  // namespace lumena
