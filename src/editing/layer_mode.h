#pragma once
// What the mouse does on the desk: the six layer modes, or none before the
// user picks one (the desk then only pans).
#include <cstdint>

namespace lumena {

enum class LayerMode : uint8_t {
  None = 0,
  Coloration = 1,
  Appearance = 2,
  Modify = 3,
  Paint = 4,
  Erase = 5,
  Actions = 6
};

}  // namespace lumena
