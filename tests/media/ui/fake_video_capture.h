#pragma once
// A video capture for the tests: inputs that start or not as told, frames
// the test delivers, and errors it raises.
#include <set>
#include <string>
#include <vector>

#include "media/video_capture.h"

namespace lumena::testing {

class FakeVideoCapture final : public TVideoCapture {
 public:
  std::vector<std::string> inputs;
  std::set<int> starting;  // the inputs that start
  std::vector<CaptureFormat> formats;
  std::vector<CaptureSetting> settings;
  std::vector<int> tried;
  std::optional<size_t> format;

  std::vector<std::string> Inputs() const override { return inputs; }
  bool Connect(int index) override {
    Disconnect();
    tried.push_back(index);
    if (!starting.contains(index)) return false;
    connected_ = index;
    return true;
  }
  void Disconnect() override {
    connected_.reset();
    frame_ = {};
  }
  std::optional<int> Connected() const override { return connected_; }
  Picture LatestFrame() override { return frame_; }
  std::vector<CaptureFormat> Formats() const override { return connected_ ? formats : std::vector<CaptureFormat>{}; }
  std::optional<size_t> CurrentFormat() const override { return format; }
  void SetFormat(size_t index) override { format = index; }
  std::vector<CaptureSetting> PictureSettings() const override {
    return connected_ ? settings : std::vector<CaptureSetting>{};
  }
  void ChoosePictureSetting(size_t setting, int choice) override { settings.at(setting).current = choice; }

  // A frame from the connected input.
  void Deliver(Picture frame) {
    if (connected_) frame_ = std::move(frame);
  }
  void RaiseError(int number, const std::string& text) {
    if (onError) onError(number, text);
  }

 private:
  std::optional<int> connected_;
  Picture frame_;
};

}  // namespace lumena::testing
