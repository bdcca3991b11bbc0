#pragma once
// The camera window: a live preview of the connected video input, the
// choice of input, format and picture settings, and a snapshot that becomes
// the portrait. The load and save window finds a camera first and then runs
// this window modally.
#include <QTimer>
#include <functional>
#include <memory>
#include <string_view>

#include "interface/ui/skinned_form.h"
#include "media/video_capture.h"

namespace lumena {

class TGraphicButton;

class TFormCamera : public TSkinnedForm {
  Q_OBJECT

 public:
  // The close button copies the main window's.
  TFormCamera(std::unique_ptr<TVideoCapture> capture, const TGraphicButton& mainExit);
  ~TFormCamera() override;

  // Connects the first video input that starts; false when none does.
  bool FindCamera();

  // Handed the 640 by 480 snapshot once the window has closed.
  std::function<void(Picture)> onSnapshot;
  // Shows a driver's error (caption, text); a warning box unless replaced.
  std::function<void(std::string_view caption, std::string_view text)> showWarning;

  void ButtonSnapshotClick();
  void ButtonVideoSourceClick();
  void ButtonVideoFormatClick();
  void ButtonVideoDisplayClick();

 protected:
  void FormShow() override;
  void FormClose() override;

 private:
  void ShowCaptureState();
  void RefreshPreview();
  void CaptureError(int number, const std::string& text);

  std::unique_ptr<TVideoCapture> capture_;
  TPictureControl* preview_;
  QTimer previewTimer_;
};

}  // namespace lumena
