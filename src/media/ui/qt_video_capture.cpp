#include "media/ui/qt_video_capture.h"

#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "images/ui/qt_picture.h"
#include "media/snapshot.h"

namespace lumena {

namespace {

// A camera that has neither started nor failed by then counts as failed.
constexpr int kStartMilliseconds = 3000;

struct WhiteBalance {
  QCamera::WhiteBalanceMode mode;
  const char* name;
};
// Manual white balance needs a colour temperature, which is not offered.
constexpr WhiteBalance kWhiteBalances[] = {
    {QCamera::WhiteBalanceAuto, "Automatic"},    {QCamera::WhiteBalanceSunlight, "Sunlight"},
    {QCamera::WhiteBalanceCloudy, "Cloudy"},     {QCamera::WhiteBalanceShade, "Shade"},
    {QCamera::WhiteBalanceTungsten, "Tungsten"}, {QCamera::WhiteBalanceFluorescent, "Fluorescent"},
    {QCamera::WhiteBalanceFlash, "Flash"},       {QCamera::WhiteBalanceSunset, "Sunset"},
};

// Exposure compensation from -2 to +2 EV in half steps.
constexpr float kExposureStep = 0.5F, kExposureLimit = 2.0F;
constexpr int kExposureChoices = static_cast<int>(2 * kExposureLimit / kExposureStep) + 1;

// A picture setting with what choosing one of its values does.
struct SettingOnCamera {
  CaptureSetting setting;
  std::function<void(int)> choose;
};

std::optional<SettingOnCamera> WhiteBalanceSetting(QCamera& camera) {
  SettingOnCamera s{{"White balance", {}, 0}, {}};
  std::vector<QCamera::WhiteBalanceMode> modes;
  for (const WhiteBalance& w : kWhiteBalances) {
    if (!camera.isWhiteBalanceModeSupported(w.mode)) continue;
    if (w.mode == camera.whiteBalanceMode()) s.setting.current = static_cast<int>(modes.size());
    modes.push_back(w.mode);
    s.setting.choices.emplace_back(w.name);
  }
  if (modes.size() < 2) return std::nullopt;
  s.choose = [&camera, modes](int choice) { camera.setWhiteBalanceMode(modes.at(static_cast<size_t>(choice))); };
  return s;
}

std::optional<SettingOnCamera> ExposureSetting(QCamera& camera) {
  if (!camera.supportedFeatures().testFlag(QCamera::Feature::ExposureCompensation)) return std::nullopt;
  SettingOnCamera s{{"Exposure compensation", {}, 0}, {}};
  for (int i = 0; i < kExposureChoices; ++i)
    s.setting.choices.push_back(QString::asprintf("%+.1f EV", -kExposureLimit + i * kExposureStep).toStdString());
  s.setting.current =
      std::clamp(static_cast<int>(std::lround((camera.exposureCompensation() + kExposureLimit) / kExposureStep)), 0,
                 kExposureChoices - 1);
  s.choose = [&camera](int choice) { camera.setExposureCompensation(-kExposureLimit + choice * kExposureStep); };
  return s;
}

std::vector<SettingOnCamera> SettingsOf(QCamera* camera) {
  std::vector<SettingOnCamera> settings;
  if (!camera) return settings;
  for (auto* make : {&WhiteBalanceSetting, &ExposureSetting})
    if (std::optional<SettingOnCamera> s = make(*camera)) settings.push_back(std::move(*s));
  return settings;
}

CaptureFormat ToCaptureFormat(const QCameraFormat& f) {
  return {f.resolution().width(), f.resolution().height(),
          QVideoFrameFormat::pixelFormatToString(f.pixelFormat()).toStdString(), f.minFrameRate(), f.maxFrameRate()};
}

}  // namespace

TQtVideoCapture::TQtVideoCapture() = default;

TQtVideoCapture::~TQtVideoCapture() { Disconnect(); }

std::vector<std::string> TQtVideoCapture::Inputs() const {
  std::vector<std::string> names;
  for (const QCameraDevice& device : QMediaDevices::videoInputs()) names.push_back(device.description().toStdString());
  return names;
}

bool TQtVideoCapture::Starts(QCamera& camera) {
  QEventLoop wait;
  bool failed = false;
  const QMetaObject::Connection error =
      QObject::connect(&camera, &QCamera::errorOccurred, &wait, [&failed, &wait](QCamera::Error e) {
        failed = e != QCamera::NoError;
        wait.quit();
      });
  const QMetaObject::Connection active = QObject::connect(&camera, &QCamera::activeChanged, &wait, &QEventLoop::quit);
  camera.start();
  if (!camera.isActive() && !failed && camera.error() == QCamera::NoError) {
    QTimer::singleShot(kStartMilliseconds, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
  }
  QObject::disconnect(error);
  QObject::disconnect(active);
  return !failed && camera.error() == QCamera::NoError && camera.isActive();
}

bool TQtVideoCapture::Connect(int index) {
  Disconnect();
  const QList<QCameraDevice> inputs = QMediaDevices::videoInputs();
  if (index < 0 || index >= inputs.size()) return false;
  if (!session_) {
    session_ = std::make_unique<QMediaCaptureSession>();
    sink_ = std::make_unique<QVideoSink>();
    QObject::connect(sink_.get(), &QVideoSink::videoFrameChanged, sink_.get(),
                     [this](const QVideoFrame& frame) { latest_ = frame; });
    session_->setVideoSink(sink_.get());
  }
  auto camera = std::make_unique<QCamera>(inputs[index]);
  const QList<QCameraFormat> formats = inputs[index].videoFormats();
  std::vector<CaptureFormat> ours;
  std::ranges::transform(formats, std::back_inserter(ours), ToCaptureFormat);
  if (const std::optional<size_t> f = SnapshotFormat(ours))
    camera->setCameraFormat(formats[static_cast<qsizetype>(*f)]);
  session_->setCamera(camera.get());
  if (!Starts(*camera)) {
    session_->setCamera(nullptr);
    return false;
  }
  QObject::connect(camera.get(), &QCamera::errorOccurred, camera.get(),
                   [this](QCamera::Error error, const QString& text) {
                     if (onError) onError(static_cast<int>(error), text.toStdString());
                   });
  camera_ = std::move(camera);
  connected_ = index;
  return true;
}

void TQtVideoCapture::Disconnect() {
  if (camera_) {
    camera_->stop();
    session_->setCamera(nullptr);
    camera_.reset();
  }
  connected_.reset();
  latest_ = QVideoFrame();
}

Picture TQtVideoCapture::LatestFrame() {
  if (!latest_.isValid()) return {};
  return FromQImage(latest_.toImage());
}

std::vector<CaptureFormat> TQtVideoCapture::Formats() const {
  std::vector<CaptureFormat> formats;
  if (camera_)
    std::ranges::transform(camera_->cameraDevice().videoFormats(), std::back_inserter(formats), ToCaptureFormat);
  return formats;
}

std::optional<size_t> TQtVideoCapture::CurrentFormat() const {
  if (!camera_) return std::nullopt;
  const qsizetype i = camera_->cameraDevice().videoFormats().indexOf(camera_->cameraFormat());
  if (i < 0) return std::nullopt;
  return static_cast<size_t>(i);
}

void TQtVideoCapture::SetFormat(size_t index) {
  if (!camera_) return;
  const QList<QCameraFormat> formats = camera_->cameraDevice().videoFormats();
  if (index >= static_cast<size_t>(formats.size())) return;
  camera_->setCameraFormat(formats[static_cast<qsizetype>(index)]);
  // Frames of the old format no longer stand for what a snapshot gives.
  latest_ = QVideoFrame();
}

std::vector<CaptureSetting> TQtVideoCapture::PictureSettings() const {
  std::vector<CaptureSetting> settings;
  for (SettingOnCamera& s : SettingsOf(camera_.get())) settings.push_back(std::move(s.setting));
  return settings;
}

void TQtVideoCapture::ChoosePictureSetting(size_t setting, int choice) {
  const std::vector<SettingOnCamera> settings = SettingsOf(camera_.get());
  if (setting >= settings.size() || choice < 0 ||
      static_cast<size_t>(choice) >= settings[setting].setting.choices.size())
    return;
  settings[setting].choose(choice);
}

}  // namespace lumena
