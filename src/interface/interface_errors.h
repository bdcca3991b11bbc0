#pragma once
// Errors of the interface description.
#include <string>

#include "platform/file_error.h"

namespace lumena {

// An interface description that does not hold what the program needs.
class EIntInfo : public EFormatError {
 public:
  using EFormatError::EFormatError;
};

class EInfoObjectNotInitialized : public EIntInfo {
 public:
  EInfoObjectNotInitialized() : EIntInfo("Object of class TOrvInterfaceInfo is not initialized") {}
};

// A syntax or validity error; what() is the text of the warning box: the
// file and line on the first line, the message after a CR.
class EErrorInInfoFile : public EIntInfo {
 public:
  EErrorInInfoFile(int line, const std::string& detail)
      : EIntInfo("Error in contents of file INTFACE.TXT (line #" + std::to_string(line) + ")\r" + detail),
        line_(line),
        detail_(detail) {}
  int Line() const { return line_; }
  const std::string& Detail() const { return detail_; }

 private:
  int line_;
  std::string detail_;
};

}  // namespace lumena
