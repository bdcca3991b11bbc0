#pragma once
// A work file that cannot be read or written: damaged, cut short, missing a
// stream, or a storage error. The message names what went wrong.
#include <stdexcept>
#include <string>

namespace lumena {

class EWorkFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace lumena
