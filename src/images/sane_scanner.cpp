#include "images/sane_scanner.h"

#include <sane/saneopts.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "images/sane_frames.h"
#include "images/sane_options.h"
#include "images/sane_session.h"
#include "platform/file_error.h"

namespace lumena {
namespace {

constexpr SANE_Int kReadChunk = 64 * 1024;
// A colour scan has at most three frames (red, green, blue).
constexpr int kMaxFrames = 3;

std::string Text(SANE_String_Const text) { return text ? std::string(text) : std::string(); }

ScannerDevice ToScannerDevice(const SANE_Device& device) {
  ScannerDevice d{Text(device.name), Text(device.vendor), Text(device.model), Text(device.type), {}};
  d.label = d.vendor.empty() || d.model.empty() ? d.vendor + d.model : d.vendor + " " + d.model;
  if (d.label.empty()) d.label = d.name;
  return d;
}

std::string_view ModeValue(ScanMode mode) {
  switch (mode) {
    case ScanMode::Gray:
      return SANE_VALUE_SCAN_MODE_GRAY;
    case ScanMode::Lineart:
      return SANE_VALUE_SCAN_MODE_LINEART;
    case ScanMode::Color:
      break;
  }
  return SANE_VALUE_SCAN_MODE_COLOR;
}

// The share read so far, told only when it grows.
class ProgressTeller {
 public:
  explicit ProgressTeller(const ScanProgress& progress) : progress_(progress) {}

  // `frames` is how many frames the scan has in all.
  void BeginFrame(std::optional<uint64_t> frameBytes, int frames, int frameIndex) {
    done_ += frameRead_;
    frameRead_ = 0;
    total_ = frameBytes ? done_ + *frameBytes * static_cast<uint64_t>(std::max(frames - frameIndex, 1)) : 0;
  }
  void Read(size_t bytes) {
    frameRead_ += bytes;
    Tell(total_ ? static_cast<int>(std::min<uint64_t>((done_ + frameRead_) * 100 / total_, 100))
                : kScanProgressUnknown);
  }
  void Finish() { Tell(100); }

 private:
  void Tell(int percent) {
    if (percent != kScanProgressUnknown) percent = std::max(percent, told_);
    if (percent == told_ || !progress_) return;
    told_ = percent;
    progress_(percent);
  }

  const ScanProgress& progress_;
  uint64_t done_ = 0;
  uint64_t frameRead_ = 0;
  uint64_t total_ = 0;  // unknown when zero: a known frame has at least one byte
  int told_ = kScanProgressUnknown - 1;
};

SANE_Parameters StartFrame(const SaneDevice& device) {
  SANE_Status status = sane_start(device.Handle());
  if (status != SANE_STATUS_GOOD) ThrowScanError("Cannot start the scanner", device.Name(), status);
  SANE_Parameters parameters{};
  status = sane_get_parameters(device.Handle(), &parameters);
  if (status != SANE_STATUS_GOOD)
    ThrowScanError("Cannot learn the picture size from the scanner", device.Name(), status);
  return parameters;
}

// False when cancelled before the frame's end.
bool ReadFrame(const SaneDevice& device, FrameAssembler& frames, ProgressTeller& progress,
               const std::atomic<bool>& cancel) {
  std::vector<SANE_Byte> buffer(kReadChunk);
  while (!cancel.load()) {
    SANE_Int length = 0;
    const SANE_Status status = sane_read(device.Handle(), buffer.data(), kReadChunk, &length);
    if (status == SANE_STATUS_EOF) return true;
    if (status != SANE_STATUS_GOOD) ThrowScanError("Cannot read from the scanner", device.Name(), status);
    const auto read = std::span(buffer).first(static_cast<size_t>(std::clamp(length, 0, kReadChunk)));
    frames.Append(read);
    progress.Read(read.size());
  }
  return false;
}

// Reads frames until the last; nothing when cancelled.
std::optional<Picture> ReadScan(SaneDevice& device, const ScanProgress& progressCallback,
                                const std::atomic<bool>& cancel) {
  FrameAssembler frames;
  ProgressTeller progress(progressCallback);
  for (int index = 0; !cancel.load(); ++index) {
    if (index == kMaxFrames) throw EFormatError("more than three frames");
    const SANE_Parameters parameters = StartFrame(device);
    frames.BeginFrame(parameters);
    progress.BeginFrame(frames.ExpectedFrameBytes(), FramesInScan(parameters), index);
    if (!ReadFrame(device, frames, progress, cancel)) break;
    if (parameters.last_frame) {
      device.Cancel();  // a scan ends with a cancel even when read whole
      Picture picture = frames.Finish();
      progress.Finish();
      return picture;
    }
  }
  device.Cancel();
  return std::nullopt;
}

}  // namespace

std::vector<ScannerDevice> ListScanners() {
  SaneSession session;
  const SANE_Device** list = nullptr;
  const SANE_Status status = sane_get_devices(&list, SANE_FALSE);
  if (status != SANE_STATUS_GOOD) ThrowScanError("Cannot list the scanners", {}, status);
  std::vector<ScannerDevice> devices;
  for (const SANE_Device** d = list; d && *d; ++d) devices.push_back(ToScannerDevice(**d));
  return devices;
}

std::optional<Picture> ScanPicture(std::string_view deviceName, const ScanRequest& request,
                                   const ScanProgress& progress, const std::atomic<bool>& cancel) {
  SaneSession session;
  SaneDevice device(session, deviceName);
  SetScanModeIfOffered(device, ModeValue(request.mode));
  if (request.resolution) SetResolutionIfOffered(device, *request.resolution);
  try {
    return ReadScan(device, progress, cancel);
  } catch (const EFormatError& e) {
    throw EScanError("The scanner \"" + device.Name() + "\" sent an unusable picture: " + e.what(), device.Name());
  }
}

}  // namespace lumena
