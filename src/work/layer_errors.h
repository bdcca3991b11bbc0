#pragma once
// Changes a layer refuses. The layer stays as it was; the message is meant
// for the user.
#include <stdexcept>

namespace lumena {

// The change would make the layer's picture larger than a layer may be
// (kMaxLayerPixels, or the largest picture side).
class ELayerTooLarge : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace lumena
