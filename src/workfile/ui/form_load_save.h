#pragma once
// The load and save window: portraits come in from picture files, the
// clipboard, a camera or a scanner and go on to the adjustment; works are
// opened and saved; the composed work leaves as a picture file or through
// the clipboard. Every action closes the window before its long part runs.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "interface/ui/skinned_form.h"
#include "portrait/placement_anchors.h"
#include "portrait/portrait_file.h"
#include "work/work_desk.h"

namespace lumena {

class TGraphicButton;

// Where the dialogs start: the program folder's named folders.
struct LoadSaveFolders {
  std::filesystem::path loadImage, saveImage, loadWork, saveWork;
};

// The run's record of the work: the file it came from or went to (empty
// for a new work) and whether it and its picture were saved since the
// last change.
struct WorkFileState {
  std::filesystem::path& workPath;
  bool& workSaved;
  bool& imageSaved;
};

// A message of the window: its text key, its text when the text table has
// none, and the file it concerns ("" for none).
struct LoadSaveNotice {
  std::string_view key, defaultText;
  std::string fileName;
};

struct LoadSaveServices {
  TWorkDesk& desk;
  PlacementAnchors& anchors;
  WorkFileState state;
  LoadSaveFolders folders;
  std::string productName;  // in the works' filter names
  std::string version;      // written into saved works
  // A portrait goes on to the adjustment.
  std::function<void(PortraitPicture)> adjust;
  // The camera: whether one is found, and its window's run.
  std::function<bool()> findCamera;
  std::function<void()> runCamera;
  std::function<void(const LoadSaveNotice& notice)> tell;
  // Asks a question by its text key: true for Yes.
  std::function<bool(std::string_view key)> confirm;
};

class TFormLoadSave : public TSkinnedForm {
  Q_OBJECT

 public:
  TFormLoadSave(LoadSaveServices services, const TGraphicButton& mainExit, TGraphicButton& loadSaveButton);

  // The save-work button's dialog and saving, for whoever must save the
  // work outside the window (leaving the program): true when it was written.
  bool SaveWorkThroughDialog(QWidget* parent);
  // A portrait from outside the window (the camera's snapshot).
  void TakePortrait(Picture picture);

 protected:
  void FormShow() override;
  void FormClose() override;

 private:
  void ButtonLoadImageClick();
  void ButtonLoadWorkClick();
  void ButtonLoadClipboardClick();
  void ButtonLoadCameraClick();
  void ButtonLoadTwainClick();
  void ButtonSaveImageClick();
  void ButtonSaveWorkClick();
  void ButtonSaveClipboardClick();
  void OnClick(const char* name, void (TFormLoadSave::*handler)());
  // False, with "MessageWorkIsEmpty" shown, when the desk holds no layers.
  bool WorkToSave();
  void OpenWork(const std::filesystem::path& path);
  bool SaveWork(const std::filesystem::path& path);
  std::filesystem::path WorkFolderOrNamed() const;
  void ExportPicture(const std::filesystem::path& path);

  LoadSaveServices services_;
  TGraphicButton& loadSaveButton_;
  std::filesystem::path portraitFolder_;
  std::filesystem::path workFolder_;
  std::filesystem::path exportFolder_;
  std::string exportName_;
};

}  // namespace lumena
