#pragma once
// A work file whose bytes cannot be taken: damaged, cut short, missing a
// stream, or refused by the caps. The message names what went wrong. A file
// that cannot be opened, read or written throws EFileError instead.
#include "platform/file_error.h"

namespace lumena {

class EWorkFileError : public EFormatError {
 public:
  using EFormatError::EFormatError;
};

}  // namespace lumena
