#include "shell/ui/startup.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <optional>
#include <stdexcept>

#include "editing/editing_session.h"
#include "editing/ui/form_layer_region_edit.h"
#include "editing/ui/form_layer_regions.h"
#include "editing/ui/form_layers.h"
#include "editing/ui/form_montage.h"
#include "interface/interface_context.h"
#include "interface/interface_loader.h"
#include "interface/ui/form_message.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/sound_hint.h"
#include "interface/ui/window_services.h"
#include "media/ui/form_camera.h"
#include "media/ui/qt_video_capture.h"
#include "platform/file_error.h"
#include "platform/program_folder.h"
#include "platform/shell_open.h"
#include "platform/stored_path.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/message_boxes.h"
#include "platform/ui/qt_text.h"
#include "platform/user_registry.h"
#include "platform/xdg.h"
#include "portrait/portrait_file.h"
#include "portrait/portrait_preview.h"
#include "portrait/ui/form_adjust.h"
#include "portrait/ui/form_preview.h"
#include "shell/desk_settings.h"
#include "shell/exit_sequence.h"
#include "shell/product_identity.h"
#include "shell/run_context.h"
#include "shell/ui/cursors.h"
#include "shell/ui/form_main.h"
#include "shell/ui/form_screen.h"
#include "shell/ui/intro_player.h"
#include "shell/ui/message_questions.h"
#include "shell/work_file_types.h"
#include "templates/ui/form_templates.h"
#include "workfile/ui/form_load_save.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_kind.h"
#include "workfile/work_saving.h"

namespace fs = std::filesystem;

namespace lumena {

namespace {

std::string SettingsFailure(std::string_view what) {
  return std::string(what) + std::string(kProductIdentity.settingsFileName) + ".\rProgram terminated.";
}

void ShowBackdrop(TFormScreen& screen) {
  screen.setWindowTitle(ToQString(kProductIdentity.fullName));
  screen.setGeometry(QGuiApplication::primaryScreen()->geometry());
  screen.showFullScreen();
  screen.repaint();
}

// Opens the settings file of the program folder; an error box and false when
// it is missing or cannot be read.
bool OpenSettings(RunContext& run) {
  const auto file = ResolveStoredPath(run.programFolder, kProductIdentity.settingsFileName);
  if (!file) {
    ShowErrorBox(SettingsFailure("Unable to find "));
    return false;
  }
  try {
    run.settings = std::make_unique<IniFile>(*file);
  } catch (const EFileError&) {
    ShowErrorBox(SettingsFailure("Unable to load "));
    return false;
  }
  return true;
}

// The desktop starts the program on the program folder it was started on,
// unless that is the default one beside the program.
std::vector<std::string> ProgramFolderArguments(const fs::path& chosen, const fs::path& programPath) {
  if (chosen == programPath.parent_path() / kDefaultProgramFolderName) return {};
  return {"--program-folder", chosen.string()};
}

// A registration that cannot be recorded is told, and made again next time.
void RegisterWorkFileTypesOnce(RunContext& run, const fs::path& chosenFolder) {
  if (!FileTypesNeedRegistering(*run.settings)) return;
  const auto types = WorkFileTypes(*run.settings);
  // A photo opened with Lumena becomes the portrait.
  const DesktopEntry entry{"lumena.desktop",
                           std::string(kProductIdentity.fullName),
                           run.programPath,
                           ProgramFolderArguments(chosenFolder, run.programPath),
                           {"image/jpeg", "image/png"}};
  if (!RegisterFileTypes(XdgDataHome(), entry, types)) return;
  run.settings->WriteString("TYPES REGISTRATION", "LMTypeRegistered", "YES");
  try {
    run.settings->Flush();
  } catch (const EFileError& e) {
    ShowErrorBox(e.what());
  }
}

// Loads the desk geometry; false (after the error box) when the table is too large.
bool ReadDeskGeometry(DeskGeometry& desk) {
  if (ReadDeskGeometry(
          FindInterfaceInt, [](const std::string& m) { ShowWarningBox(m); }, desk))
    return true;
  ShowErrorBox("Desktop size exceeds the limit.\rProgram terminated.");
  return false;
}

// An unreadable registry file is told; the program folder then serves as
// every data root.
DataRoots ReadDataRootsOrDefaults(RunContext& run) {
  try {
    return ReadDataRoots(*run.settings, UserRegistry(), run.programFolder);
  } catch (const EFileError& e) {
    ShowErrorBox(e.what());
    return DataRoots(run.programFolder, run.programFolder, run.programFolder);
  }
}

// The start-up part of the main window's creation: settings, texts, data
// roots and cursors.
void PrepareMainWindowState(RunContext& run, TFormScreen& screen) {
  run.startup = ReadStartupSettings(*run.settings);
  InterfaceContext& ui = CurrentInterface();
  ui.Termins.clear();
  if (const auto termins = ResolveStoredPath(run.programFolder, "termins.txt");
      termins && LoadTermins(*termins, ui.Termins)) {
    const std::string title = GetTermin("ProductName", kProductIdentity.fullName);
    QApplication::setApplicationDisplayName(ToQString(title));
    screen.setWindowTitle(ToQString(title));
  }
  run.dataRoots = ReadDataRootsOrDefaults(run);
  RegisterCursors(run.programFolder);
}

// The template types (when asked) and the template base; a missing base is
// told and the run goes on with what was read.
void LoadTemplates(RunContext& run, bool types) {
  if (types) run.templates.LoadTemplateTypes(*run.settings);
  const fs::path base =
      ResolveStoredPath(run.programFolder, kTemplateBaseFileName).value_or(run.programFolder / kTemplateBaseFileName);
  try {
    run.templates.LoadTemplateBase(base, [](const std::string& warning) {
      ShowWarningBox(warning);
      QApplication::processEvents();
    });
  } catch (const EFileError& e) {
    ShowErrorBox(e.what());
  }
}

void CreateWorkDesk(RunContext& run) { run.desk = std::make_unique<TWorkDesk>(run.deskObserver, run.geometry); }

void ShowNotice(const std::string& text) { ShowMessageWindow(text, MessageButtons::Notice, MessageText::Finished); }

// A picture named on the command line is adjusted as a portrait.
void OpenCommandLinePortrait(TFormAdjust& adjust, const std::string& file) {
  const auto tell = [&] {
    ShowNotice(GetTermin("MessageUnableLoadImage", "Unable to load picture from file") + "\r" +
               fs::path(file).filename().string());
  };
  PortraitPicture portrait;
  try {
    const BusyCursor busy;
    portrait = LoadPortraitFile(file);
  } catch (const EFileError&) {
    return tell();
  } catch (const EFormatError&) {
    return tell();
  }
  adjust.AdjustPicture(std::move(portrait.picture), portrait.ownOpacity);
}

// A work named on the command line; one that cannot be read is told and
// leaves the desk as it was.
void OpenCommandLineWork(RunContext& run, const std::string& file) {
  const auto tell = [&] {
    ShowNotice(GetTermin("MessageUnableLoadWork", "Unable to load work from file") + "\r" +
               fs::path(file).filename().string());
  };
  try {
    // The desk is empty at start, so nothing is asked.
    const BusyCursor busy;
    const WorkLoadOutcome outcome = ReadWorkFile(file, *run.desk, run.anchors);
    run.workPath = std::filesystem::absolute(file);
    run.workSaved = outcome.workSaved;
  } catch (const EFileError&) {
    tell();
  } catch (const EFormatError&) {
    tell();
  }
}

// The exit questions go through the message window, or through the
// platform's message box when there is none.
class WindowExitHost : public ExitHost {
 public:
  explicit WindowExitHost(RunContext& run) : run_(run) {}
  bool WorkSaved() const override { return run_.workSaved; }
  bool DeskHasLayers() const override { return run_.desk && run_.desk->Count() > 0; }
  // The work is saved as the load and save window's save button does;
  // until that window exists nothing is saved.
  bool SaveWork() override { return saveWork && saveWork(); }
  std::function<bool()> saveWork;
  int AskQuestion(std::string_view key) override {
    return MessageWindow() ? ShowMessageWindow(key, MessageButtons::Question, MessageText::Key)
                           : AskQuestionBox(GetTermin(key, ""));
  }
  void ShowTip(std::string_view) override {}
  void ProcessPendingEvents() override { QApplication::processEvents(); }
  void OpenAddress(std::string_view address) override { OpenWithDefaultProgram(address); }

 private:
  RunContext& run_;
};

LoadSaveServices LoadSaveServicesFor(RunContext& run, EditingQuestions& questions, TFormAdjust& adjust,
                                     TFormCamera& camera) {
  const auto folder = [&run](const std::string& stored) { return MapStoredPath(run.programFolder, stored); };
  const NamedFolders& named = run.startup.folders;
  return {
      *run.desk,
      run.anchors,
      {run.workPath, run.workSaved, run.imageSaved},
      {folder(named.loadImage), folder(named.saveImage), folder(named.loadWork), folder(named.saveWork)},
      std::string(kProductIdentity.fullName),
      std::string(kProductIdentity.nameWithVersion),
      [&adjust](PortraitPicture portrait) { adjust.AdjustPicture(std::move(portrait.picture), portrait.ownOpacity); },
      [&camera] { return camera.FindCamera(); },
      [&camera] { camera.RunModal(); },
      [](const LoadSaveNotice& notice) {
        std::string text = GetTermin(notice.key, notice.defaultText);
        if (!notice.fileName.empty()) text += "\r" + notice.fileName;
        ShowNotice(text);
      },
      [&questions](std::string_view key) { return questions.Confirm(key); }};
}

void FlushSettings(RunContext& run) {
  try {
    if (run.settings) run.settings->Flush();
  } catch (const EFileError& e) {
    ShowErrorBox(e.what());
  }
}

}  // namespace

StartupOptions ParseCommandLine(const QStringList& arguments) {
  StartupOptions options;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& arg = arguments[i];
    if (arg == "--program-folder") {
      if (i + 1 >= arguments.size()) throw std::invalid_argument("--program-folder needs a folder");
      options.programFolder = arguments[++i].toStdString();
    } else if (arg.startsWith("--program-folder=")) {
      options.programFolder = arg.mid(17).toStdString();
    } else if (arg == "--no-intro") {
      options.skipIntro = true;
    } else if (arg.startsWith("--")) {
      throw std::invalid_argument("Unknown option " + arg.toStdString());
    } else if (!options.workFile) {
      options.workFile = arg.toStdString();
    }
  }
  return options;
}

int RunLumena(const StartupOptions& options) {
  TFormScreen screen;
  Services().backdrop = &screen;
  ShowBackdrop(screen);

  RunContext& run = CurrentRun();
  run.Clear();
  run.programPath = QApplication::applicationFilePath().toStdString();
  fs::path chosenFolder;
  try {
    chosenFolder = ChooseProgramFolder(options.programFolder, fs::path(run.programPath).parent_path());
    run.programFolder = WritableProgramFolder(chosenFolder, XdgDataHome());
  } catch (const EFileError& e) {
    ShowErrorBox(std::string(e.what()) + "\rProgram terminated.");
    return 1;
  }

  const QScreen* display = QGuiApplication::primaryScreen();
  if (const auto failure = DisplayCheckMessage(display->size().width(), display->size().height(), display->depth())) {
    ShowErrorBox(*failure);
    return 1;
  }
  if (!OpenSettings(run)) return 1;
  if (!options.skipIntro) PlayIntro(screen, ReadIntroList(*run.settings, run.programFolder));

  std::optional<BusyCursor> busy(std::in_place);
  RegisterWorkFileTypesOnce(run, chosenFolder);
  CurrentInterface().AppFolder = run.programFolder;
  LoadInterfaceInfo(CurrentInterface(), *run.settings, display->size().width(), display->size().height(),
                    [](const std::string& message) { ShowWarningBox(message); });
  if (!ReadDeskGeometry(run.geometry)) return 1;
  PrepareMainWindowState(run, screen);
  CreateWorkDesk(run);

  // The windows, in their order of creation.
  TFormMain mainWindow(&screen);
  LoadTemplates(run, true);
  TFormMessage messageWindow(*mainWindow.ButtonExit, mainWindow.ImageMainFormButtons);
  SetMessageWindow(&messageWindow);
  mainWindow.SoundHint->ProgramFolder = QString::fromStdString(run.programFolder.string());
  // Stored folder names keep their backslashes; the sound path resolves them.
  mainWindow.SoundHint->PathForWave =
      QString::fromStdString(run.programFolder.string() + "/" + run.startup.folders.sound);
  mainWindow.SoundHint->SoundEnabled = run.startup.playSound;
  mainWindow.SoundHint->SoundAfter = false;  // no music plays yet
  MessageWindowQuestions questions;
  EditingSession session(*run.desk, questions);
  TFormMontage montage(&mainWindow, session, DeskCursorShape);
  run.deskObserver.areaChanged = [&montage](const Rect& area) { montage.ShowArea(area); };
  run.deskObserver.controlsChanged = [&mainWindow] { mainWindow.SetControls(); };
  run.deskObserver.layerValuesChanged = [&mainWindow](const ColourParameters& v) { mainWindow.ShowLayerValues(v); };
  run.deskObserver.viewChanged = [&mainWindow] { mainWindow.ShowView(); };
  mainWindow.publisherLink = [&run](std::string_view key) { return PublisherLink(*run.settings, key); };
  mainWindow.AttachWork(session, montage);
  mainWindow.show();

  WindowExitHost exitHost(run);
  bool leaving = false;
  auto exitConfirmed = [&] {
    leaving = leaving || RunExitSequence(exitHost, PublisherLink(*run.settings, "AfterExitURL"));
    return leaving;
  };
  // Closing the main window ends the program through the backdrop.
  mainWindow.closeHandler = [&] {
    if (exitConfirmed()) screen.close();
    return leaving;
  };
  screen.closeHandler = exitConfirmed;
  // A modal run disables the main window: its shortcuts rest meanwhile.
  screen.keyDownHandler = [&mainWindow](QKeyEvent* event) {
    if (mainWindow.isEnabled()) mainWindow.MainKeyDown(event);
  };
  screen.keyUpHandler = [&mainWindow](QKeyEvent* event) {
    if (mainWindow.isEnabled()) mainWindow.MainKeyUp(event);
  };
  TFormAdjust adjust(session, run.anchors, run.programFolder / "eyechecker", CursorFor);
  // A new portrait or template opens the colouring panel unless a mode is chosen.
  const auto openColouring = [&session, &mainWindow] {
    if (session.Mode() == LayerMode::None) mainWindow.SetLayerMode(LayerMode::Coloration);
  };
  adjust.onLaid = openColouring;
  TFormPreview preview(*mainWindow.ButtonMinimize, *mainWindow.ButtonExit,
                       *ChildByName<TGraphicButton>(mainWindow, "ButtonPreview"), run.portraitPreview);
  ChildByName<TGraphicButton>(mainWindow, "ButtonPreview")->OnClick = [&preview] { preview.Toggle(); };
  run.deskObserver.portraitChanged = [&run, &preview] {
    run.portraitPreview = PortraitPreviewOf(*run.desk);
    if (preview.isVisible()) preview.ShowPortrait(run.portraitPreview.Empty() ? nullptr : &run.portraitPreview);
  };
  // The layers list follows the desk while it is open.
  auto& layerListButton = *ChildByName<TGraphicButton>(mainWindow, "ButtonLayerList");
  TFormLayers layers({session, [&montage](int layer, QPoint at) { montage.OpenPopup(layer, at); }, CursorFor},
                     mainWindow, layerListButton);
  layerListButton.OnClick = [&layers] { layers.Toggle(); };
  run.deskObserver.layersListChanged = [&layers] {
    if (layers.isVisible()) layers.Refresh();
  };
  run.deskObserver.activeLayerChanged = [&layers](int) {
    if (layers.isVisible()) layers.Refresh();
  };
  TFormCamera camera(std::make_unique<TQtVideoCapture>(), *mainWindow.ButtonExit);
  TFormLoadSave loadSave(LoadSaveServicesFor(run, questions, adjust, camera), *mainWindow.ButtonExit,
                         *ChildByName<TGraphicButton>(mainWindow, "ButtonLoadSave"));
  camera.onSnapshot = [&loadSave](Picture frame) { loadSave.TakePortrait(std::move(frame)); };
  ChildByName<TGraphicButton>(mainWindow, "ButtonLoadSave")->OnClick = [&loadSave] { loadSave.RunModal(); };
  exitHost.saveWork = [&loadSave] { return loadSave.SaveWorkThroughDialog(TSkinnedForm::MainForm()); };
  TFormTemplates templates(
      {session, run.templates, run.dataRoots, run.anchors, [&run](bool types) { LoadTemplates(run, types); },
       [](std::string_view key) { ShowMessageWindow(key, MessageButtons::Notice, MessageText::Key); }, CursorFor},
      *mainWindow.ButtonMinimize, *mainWindow.ButtonExit);
  templates.onLaid = openColouring;
  mainWindow.AttachTemplates(templates);
  // The region windows; the regions window follows the active layer.
  TFormLayerRegionEdit regionEdit(session, *mainWindow.ButtonExit, CursorFor);
  TFormLayerRegions regions(
      {session, [](std::string_view key) { ShowMessageWindow(key, MessageButtons::Notice, MessageText::Key); }},
      regionEdit, *mainWindow.ButtonMinimize, *mainWindow.ButtonExit);
  ChildByName<TGraphicButton>(mainWindow, "ButtonLayerRegions")->OnClick = [&regions, &run] {
    if (regions.isVisible() || run.desk->ActiveLayer()) regions.Toggle();
  };
  run.deskObserver.activeLayerShown = [&regions](const TLayer* layer) { regions.ActiveLayerShown(layer); };
  const bool portraitNamed = options.workFile && !IsWorkPath(*options.workFile);
  if (options.workFile && !portraitNamed) OpenCommandLineWork(run, *options.workFile);
  mainWindow.SetControls();
  busy.reset();
  if (portraitNamed) OpenCommandLinePortrait(adjust, *options.workFile);
  const int code = QApplication::exec();
  // The windows hear nothing more of a desk that goes.
  run.deskObserver.activeLayerShown = nullptr;
  run.deskObserver.DetachWindows();
  run.desk.reset();
  SetMessageWindow(nullptr);
  FlushSettings(run);
  CurrentInterface().Free();
  return code;
}

}  // namespace lumena
