#pragma once
// The video capture service of the program: Qt Multimedia's video inputs.
#include <QCamera>
#include <QMediaCaptureSession>
#include <QVideoFrame>
#include <QVideoSink>
#include <memory>

#include "media/video_capture.h"

namespace lumena {

class TQtVideoCapture final : public TVideoCapture {
 public:
  TQtVideoCapture();
  ~TQtVideoCapture() override;
  TQtVideoCapture(const TQtVideoCapture&) = delete;
  TQtVideoCapture& operator=(const TQtVideoCapture&) = delete;

  std::vector<std::string> Inputs() const override;
  bool Connect(int index) override;
  void Disconnect() override;
  std::optional<int> Connected() const override { return connected_; }
  Picture LatestFrame() override;

  std::vector<CaptureFormat> Formats() const override;
  std::optional<size_t> CurrentFormat() const override;
  void SetFormat(size_t index) override;
  std::vector<CaptureSetting> PictureSettings() const override;
  void ChoosePictureSetting(size_t setting, int choice) override;

 private:
  // Starts the camera and waits a while for it to run or fail.
  static bool Starts(QCamera& camera);

  // Made with the first connection: without a camera nothing of the media
  // backend is started.
  std::unique_ptr<QMediaCaptureSession> session_;
  std::unique_ptr<QVideoSink> sink_;
  std::unique_ptr<QCamera> camera_;
  std::optional<int> connected_;
  QVideoFrame latest_;
};

}  // namespace lumena
