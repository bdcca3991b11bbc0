#pragma once
// What the camera window asks of a video capture service: the inputs, one of
// them connected at a time, its newest frame, and what the user may choose
// on it. Qt Multimedia serves it in the program, a fake in the tests.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "images/picture.h"

namespace lumena {

// Only the first inputs are tried, as many as a machine has drivers.
inline constexpr int kMaxCaptureInputs = 10;

// One way the connected camera delivers its pictures.
struct CaptureFormat {
  int width = 0, height = 0;
  std::string pixelFormat;
  float minFrameRate = 0, maxFrameRate = 0;
};

// A picture setting the camera supports, with the values to choose from.
struct CaptureSetting {
  std::string name;
  std::vector<std::string> choices;
  int current = 0;
};

class TVideoCapture {
 public:
  virtual ~TVideoCapture() = default;

  // The names of the video inputs, in the system's order.
  virtual std::vector<std::string> Inputs() const = 0;
  // Disconnects the connected input, then connects and starts input
  // `index`; false when it does not start without an error.
  virtual bool Connect(int index) = 0;
  virtual void Disconnect() = 0;
  virtual std::optional<int> Connected() const = 0;
  // The newest frame of the connected input; empty until one has come.
  virtual Picture LatestFrame() = 0;

  virtual std::vector<CaptureFormat> Formats() const = 0;
  virtual std::optional<size_t> CurrentFormat() const = 0;
  virtual void SetFormat(size_t index) = 0;
  virtual std::vector<CaptureSetting> PictureSettings() const = 0;
  virtual void ChoosePictureSetting(size_t setting, int choice) = 0;

  // Told the connected input's errors: the driver's number and text.
  std::function<void(int number, const std::string& text)> onError;
};

// What there is to choose on the connected input: another input, another
// format, a picture setting. All false without a connected input.
struct CaptureCapabilities {
  bool source = false, format = false, display = false;
  friend bool operator==(const CaptureCapabilities&, const CaptureCapabilities&) = default;
};
CaptureCapabilities CapabilitiesOf(const TVideoCapture& capture);

// The first of `count` inputs (at most kMaxCaptureInputs) that `connect`
// accepts, tried in order; none when none does.
std::optional<int> FirstConnecting(int count, const std::function<bool(int)>& connect);
// Connects the first input of the capture that starts.
std::optional<int> ConnectFirstInput(TVideoCapture& capture);

}  // namespace lumena
