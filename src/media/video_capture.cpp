#include "media/video_capture.h"

#include <algorithm>

namespace lumena {

namespace {

int TriedInputs(const TVideoCapture& capture) {
  return std::min(static_cast<int>(capture.Inputs().size()), kMaxCaptureInputs);
}

}  // namespace

CaptureCapabilities CapabilitiesOf(const TVideoCapture& capture) {
  if (!capture.Connected()) return {};
  return {.source = TriedInputs(capture) > 1,
          .format = capture.Formats().size() > 1,
          .display = !capture.PictureSettings().empty()};
}

std::optional<int> FirstConnecting(int count, const std::function<bool(int)>& connect) {
  for (int i = 0; i < std::min(count, kMaxCaptureInputs); ++i)
    if (connect(i)) return i;
  return std::nullopt;
}

std::optional<int> ConnectFirstInput(TVideoCapture& capture) {
  capture.Disconnect();
  return FirstConnecting(TriedInputs(capture), [&capture](int i) { return capture.Connect(i); });
}

}  // namespace lumena
