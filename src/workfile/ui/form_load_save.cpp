#include "workfile/ui/form_load_save.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPainter>

#include "images/library_picture.h"
#include "images/ui/qt_picture.h"
#include "interface/interface_context.h"
#include "interface/ui/apply_interface_info.h"
#include "interface/ui/caption_bar.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/layout_builder.h"
#include "platform/file_error.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/qt_text.h"
#include "workfile/file_filters.h"
#include "workfile/load_save_window_layout.h"
#include "workfile/picture_export.h"
#include "workfile/ui/picture_open_dialog.h"
#include "workfile/ui/save_dialog.h"
#include "workfile/ui/scanner_dialogs.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_kind.h"
#include "workfile/work_saving.h"

namespace fs = std::filesystem;

namespace lumena {

namespace {

// The remembered folder, or the named one before the first use.
const fs::path& StartFolder(const fs::path& remembered, const fs::path& named) {
  return remembered.empty() ? named : remembered;
}

// The composed work at 24 bits: what lies under its transparent parts is white.
QImage OnWhite(const Picture& work) {
  QImage flat(work.Width(), work.Height(), QImage::Format_RGB888);
  flat.fill(Qt::white);
  QPainter painter(&flat);
  painter.drawImage(0, 0, ToQImage(work));
  return flat;
}

// A file dialog is titled with what its button does.
QString DialogTitle(std::string_view hintKey) { return ToQString(GetTermin(hintKey, "")); }

std::optional<fs::path> AskOpenFile(QWidget* parent, std::string_view hintKey, std::span<const FileFilter> filters,
                                    const fs::path& folder) {
  TPictureOpenDialog dialog(parent, filters, folder);
  dialog.setWindowTitle(DialogTitle(hintKey));
  return dialog.Run();
}

LoadSaveNotice UnableToLoadWork(const fs::path& path) {
  return {"MessageUnableLoadWork", "Unable to load work from file", path.filename().string()};
}

}  // namespace

TFormLoadSave::TFormLoadSave(LoadSaveServices services, const TGraphicButton& mainExit, TGraphicButton& loadSaveButton)
    : TSkinnedForm(ToQString(kLoadSaveWindowLayout.name)),
      services_(std::move(services)),
      loadSaveButton_(loadSaveButton) {
  resize(kLoadSaveWindowLayout.width, kLoadSaveWindowLayout.height);
  TPictureControl* buttons = ImageButtons();
  BuildLayoutControls(this, kLoadSaveWindowLayout, [buttons](std::string_view) { return buttons; });
  OnClick("ButtonLoadImage", &TFormLoadSave::ButtonLoadImageClick);
  OnClick("ButtonLoadWork", &TFormLoadSave::ButtonLoadWorkClick);
  OnClick("ButtonLoadClipboard", &TFormLoadSave::ButtonLoadClipboardClick);
  OnClick("ButtonLoadCamera", &TFormLoadSave::ButtonLoadCameraClick);
  OnClick("ButtonLoadTwain", &TFormLoadSave::ButtonLoadTwainClick);
  OnClick("ButtonSaveImage", &TFormLoadSave::ButtonSaveImageClick);
  OnClick("ButtonSaveWork", &TFormLoadSave::ButtonSaveWorkClick);
  OnClick("ButtonSaveClipboard", &TFormLoadSave::ButtonSaveClipboardClick);
  // Sending comes with the mail.
  for (const char* name : {"ButtonSendImage", "ButtonSendWork"}) ChildByName<QWidget>(*this, name)->setEnabled(false);
  CopyExitButton(mainExit);
  if (QWidget* main = MainForm()) move(main->mapToGlobal(QPoint(120, 85)));
  ApplyInterfaceInfo(this);
  setWindowTitle(ToQString(GetTermin("ProductName", "")));
  CaptionBar()->SetCaption(ToQString(GetTermin("FormLoadSaveCaption", "Load and save")));
  for (const char* name : {"LabelLoad", "LabelSave"}) {
    auto* label = ChildByName<QLabel>(*this, name);
    ShowInCaptionStyle(*label, 12);
    label->setText(ToQString(GetTermin(std::string(name) + "Caption", "")));
  }
}

void TFormLoadSave::OnClick(const char* name, void (TFormLoadSave::*handler)()) {
  ChildByName<TGraphicButton>(*this, name)->OnClick = [this, handler] { (this->*handler)(); };
}

void TFormLoadSave::FormShow() {
  LoadSkin("FormLoadSave.Skin", kLoadSaveWindowLayout.skinDefault);
  KeepOnScreen();
  LoadButtonsPicture(kLoadSaveSheet.key, kLoadSaveSheet.file, true);
  loadSaveButton_.SetPressed(true);
}

void TFormLoadSave::FormClose() {
  FreeButtonsPicture();
  FreeSkin();
  loadSaveButton_.SetPressed(false);
}

bool TFormLoadSave::WorkToSave() {
  if (services_.desk.Count() > 0) return true;
  services_.tell({"MessageWorkIsEmpty", "The work is empty", {}});
  return false;
}

void TFormLoadSave::TakePortrait(Picture picture) { services_.adjust({std::move(picture), false}); }

void TFormLoadSave::ButtonLoadImageClick() {
  const auto path = AskOpenFile(this, "ButtonLoadImageHint", PortraitOpenFilters(),
                                StartFolder(portraitFolder_, services_.folders.loadImage));
  if (!path) return;
  portraitFolder_ = path->parent_path();
  close();
  PortraitPicture portrait;
  try {
    const BusyCursor busy;
    portrait = LoadPortraitFile(*path);
  } catch (const EFileError&) {
    return services_.tell({"MessageUnableLoadImage", "Unable to load picture from file", path->filename().string()});
  } catch (const EFormatError&) {
    return services_.tell({"MessageUnableLoadImage", "Unable to load picture from file", path->filename().string()});
  }
  services_.adjust(std::move(portrait));
}

void TFormLoadSave::ButtonLoadWorkClick() {
  const auto path = AskOpenFile(this, "ButtonLoadWorkHint", WorkOpenFilters(services_.productName),
                                StartFolder(workFolder_, services_.folders.loadWork));
  if (!path) return;
  workFolder_ = path->parent_path();
  std::error_code ec;
  if (!fs::is_regular_file(*path, ec)) return services_.tell(UnableToLoadWork(*path));
  close();
  OpenWork(*path);
}

// The whole file is read and checked before the desk is asked about or
// changed: a damaged work leaves the desk as it was.
void TFormLoadSave::OpenWork(const fs::path& path) {
  try {
    std::optional<BusyCursor> busy(std::in_place);
    StoredWork work = ReadStoredWork(path);
    busy.reset();
    PreviousWork previous = PreviousWork::Clear;
    if (services_.desk.Count() > 0 && !services_.confirm("ConfirmClearPrevWork")) previous = PreviousWork::Merge;
    busy.emplace();
    const WorkLoadOutcome outcome = LoadStoredWork(work, path, services_.desk, services_.anchors, previous);
    services_.state.workPath = fs::absolute(path);
    services_.state.workSaved = outcome.workSaved;
  } catch (const EFileError&) {
    services_.tell(UnableToLoadWork(path));
  } catch (const EFormatError&) {
    services_.tell(UnableToLoadWork(path));
  }
}

void TFormLoadSave::ButtonLoadClipboardClick() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* data = clipboard->mimeData();
  if (!data || !data->hasImage())
    return services_.tell({"MessageClipboardIsEmpty", "The clipboard holds no picture", {}});
  close();
  TakePortrait(FromQImage(clipboard->image()));
}

void TFormLoadSave::ButtonLoadCameraClick() {
  if (!services_.findCamera || !services_.findCamera())
    return services_.tell({"MessageCameraNotFound", "Camera not found", {}});
  close();
  services_.runCamera();
}

void TFormLoadSave::ButtonLoadTwainClick() {
  const std::optional<std::string> device = ChooseScanner(this);
  if (!device) return;
  close();
  if (std::optional<Picture> scanned = ScanWithProgress(MainForm(), *device)) TakePortrait(std::move(*scanned));
}

void TFormLoadSave::ButtonSaveImageClick() {
  if (!WorkToSave()) return;
  const auto path =
      AskSaveFile(this, DialogTitle("ButtonSaveImageHint"), PictureExportFilters(),
                  StartFolder(exportFolder_, services_.folders.saveImage), exportName_, WithExportExtension);
  if (!path) return;
  exportName_ = path->stem().string();
  exportFolder_ = path->parent_path();
  close();
  ExportPicture(*path);
}

void TFormLoadSave::ExportPicture(const fs::path& path) {
  bool exported = false;
  {
    const BusyCursor busy;
    exported = ExportWorkPicture(services_.desk.TakeFullWorkImage(), path);
  }
  if (exported)
    services_.state.imageSaved = true;
  else
    services_.tell({"MessageUnableSaveImage", "Unable to save the picture", path.filename().string()});
}

void TFormLoadSave::ButtonSaveWorkClick() {
  if (WorkToSave()) SaveWorkThroughDialog(this);
}

// A work that has a file is saved beside it unless another folder was chosen.
fs::path TFormLoadSave::WorkFolderOrNamed() const {
  const fs::path& work = services_.state.workPath;
  return work.empty() ? services_.folders.saveWork : work.parent_path();
}

bool TFormLoadSave::SaveWorkThroughDialog(QWidget* parent) {
  const auto path = AskSaveFile(parent, DialogTitle("ButtonSaveWorkHint"), WorkSaveFilters(services_.productName),
                                StartFolder(workFolder_, WorkFolderOrNamed()), services_.state.workPath.stem().string(),
                                WithWorkExtension);
  if (!path) return false;
  workFolder_ = path->parent_path();
  close();
  return SaveWork(*path);
}

// The work counts as saved, and takes the file's name, only once the file
// was written whole.
bool TFormLoadSave::SaveWork(const fs::path& path) {
  try {
    const BusyCursor busy;
    lumena::SaveWork(path, services_.desk, services_.anchors, services_.version);
  } catch (const EFileError&) {
    services_.tell({"MessageUnableSaveWork", "Unable to save work to file", path.filename().string()});
    return false;
  } catch (const EFormatError&) {
    services_.tell({"MessageUnableSaveWork", "Unable to save work to file", path.filename().string()});
    return false;
  }
  services_.state.workPath = fs::absolute(path);
  services_.state.workSaved = true;
  return true;
}

void TFormLoadSave::ButtonSaveClipboardClick() {
  if (!WorkToSave()) return;
  close();
  const BusyCursor busy;
  QGuiApplication::clipboard()->setImage(OnWhite(services_.desk.TakeFullWorkImage()));
}

}  // namespace lumena
