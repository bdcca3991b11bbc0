#pragma once
// Controls with interface parameters of their own (graphic buttons, sliders,
// the sound hint, the caption bar) implement this; ApplyInterfaceInfo asks
// them before its rules for the standard widgets.
#include <optional>
#include <string_view>

namespace lumena {

class InterfaceParamTarget {
 public:
  virtual ~InterfaceParamTarget() = default;
  // `upperName` is the parameter name in upper case, `value` the text as
  // written and `number` its integer form when it is one. True when the
  // parameter was taken; false lets the standard rules apply.
  virtual bool ApplyInterfaceParam(std::string_view upperName, std::string_view value, std::optional<int> number) = 0;
  // Called once the window's whole section has been applied.
  virtual void AfterInterfaceApplied() {}
};

}  // namespace lumena
