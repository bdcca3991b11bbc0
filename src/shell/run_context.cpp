#include "shell/run_context.h"

namespace lumena {

RunContext& CurrentRun() {
  static RunContext run;
  return run;
}

}  // namespace lumena
