#include "shell/ui/startup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <optional>
#include <utility>

#include "interface/interface_context.h"
#include "interface/ui/form_message.h"
#include "interface/ui/graphic_button.h"
#include "platform/ui/message_boxes.h"
#include "shell/run_context.h"
#include "shell/ui/cursors.h"
#include "shell/ui/form_screen.h"
#include "shell/ui/intro_player.h"
#include "support/avi_writer.h"
#include "support/temp_folder.h"
#include "work/desk_observer.h"
#include "work/layer.h"
#include "workfile/work_saving.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempFolder;

struct Box {
  BoxKind kind;
  std::string text;
};

// Runs start-up on a private program folder; boxes and the message
// window's questions are recorded and answered by `answer`; once the
// backdrop is up it is asked to close until it does.
class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The generated default interface, so that every window finds its pictures.
    fs::copy(fs::path(LUMENA_PROGRAM_FOLDER) / "Intfaces", program_ / "Intfaces", fs::copy_options::recursive);
    // An empty template base: no looks, nothing to tell.
    program_.Write("PartBase.txt", "");
    ::setenv("XDG_DATA_HOME", (home_ / "data").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home_ / "config").c_str(), 1);
    SetBoxHandler([this](BoxKind kind, const std::string& text) {
      boxes_.push_back({kind, text});
      return answer_();
    });
  }
  void TearDown() override { SetBoxHandler(nullptr); }

  // Answers the save dialog with `saveAs_`, and its question about
  // replacing a file with Yes.
  void AnswerSaveDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) return box->button(QMessageBox::Yes)->click();
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (!dialog || dialog->objectName() != "SaveDialog") return;
    const std::optional<std::string> name = saveAs_();
    if (!name) {
      QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
      return;
    }
    if (!name->empty()) dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(*name));
    // Queued: the question about replacing a file is answered on a later tick.
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
  }

  // Answers a visible message window like a user would.
  void AnswerMessageWindow() {
    AnswerSaveDialog();
    TFormMessage* message = MessageWindow();
    if (!message || !message->isVisible()) return;
    boxes_.push_back({BoxKind::Question, message->LabelMessage->text().toStdString()});
    TGraphicButton* button = answer_() == 6 ? message->ButtonYes : message->ButtonNo;
    button->OnClick();
  }

  int Run() {
    // Two timers: a timer's handler is not re-entered while a question it
    // raised is still open.
    QTimer answerer, closer;
    QObject::connect(&answerer, &QTimer::timeout, [&] { AnswerMessageWindow(); });
    answerer.start(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
      if (QApplication::overrideCursor() || (MessageWindow() && MessageWindow()->isVisible())) return;
      if (TSkinnedForm::MainForm() && userAction_) {
        std::exchange(userAction_, nullptr)();
        return;
      }
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* screen = qobject_cast<TFormScreen*>(w); screen && screen->isVisible()) screen->close();
    });
    closer.start(10);
    options_.programFolder = program_.Path();
    options_.skipIntro = true;
    return RunLumena(options_);
  }

  TempFolder program_, home_;
  StartupOptions options_;
  std::vector<Box> boxes_;
  std::function<int()> answer_ = [] { return 6; };
  // The name typed into the save dialog: "" keeps the one it proposes,
  // nothing cancels it.
  std::function<std::optional<std::string>()> saveAs_ = [] { return std::string(); };
  // Done once the main window is up, before the backdrop is asked to close.
  std::function<void()> userAction_;
};

TEST_F(StartupTest, MissingSettingsFileEndsTheProgram) {
  EXPECT_EQ(Run(), 1);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].kind, BoxKind::Error);
  EXPECT_EQ(boxes_[0].text, "Unable to find Lumena.ini.\rProgram terminated.");
}

TEST_F(StartupTest, UnreadableSettingsFileEndsTheProgram) {
  fs::create_directories(program_ / "LUMENA.INI");
  EXPECT_EQ(Run(), 1);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "Unable to load Lumena.ini.\rProgram terminated.");
}

TEST_F(StartupTest, DeskTableOver1024EndsTheProgram) {
  program_.Write("Lumena.ini", "[TYPES REGISTRATION]\r\nLMTypeRegistered=YES\r\n");
  program_.Write("Intfaces/DEFAULT/1024-768/INTFACE.TXT", "DesktopTableWidth = 1025;\r\n");
  EXPECT_EQ(Run(), 1);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "Desktop size exceeds the limit.\rProgram terminated.");
}

TEST_F(StartupTest, CleanRunRegistersTypesReadsTheDeskAndExitsAfterTheQuestion) {
  program_.Write("Lumena.ini", "[DIRECTORIES]\r\nInterfaceDirName=Intfaces\r\n");
  program_.Write("termins.txt", "ConfirmExit=Leave now?;\r\n");
  program_.Write("Intfaces/DEFAULT/1024-768/INTFACE.TXT", "DesktopTableWidth = 1024; DesktopWindowWidth=512;\r\n");
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].kind, BoxKind::Question);
  EXPECT_EQ(boxes_[0].text, "Leave now?");
  EXPECT_NE(ReadFile(program_ / "Lumena.ini").find("LMTypeRegistered=YES\r\n"), std::string::npos);
  EXPECT_NE(ReadFile(home_ / "data/applications/lumena.desktop")
                .find("\"--program-folder\" \"" + program_.Path().string() + "\" %f"),
            std::string::npos)
      << "the desktop opens works on the program folder this run used";
  EXPECT_EQ(CurrentRun().geometry.tableWidth, 1024);
  EXPECT_EQ(CurrentRun().geometry.viewWidth, 512);
  EXPECT_EQ(CurrentRun().geometry.viewLeft, 256);
  EXPECT_EQ(CurrentRun().geometry.tableHeight, 984);
}

TEST_F(StartupTest, BadDeskValuesAndAnUnreadableRegistryAreToldAndStartUpGoesOn) {
  program_.Write("Lumena.ini", "[TYPES REGISTRATION]\r\nLMTypeRegistered=YES\r\n");
  program_.Write("Intfaces/DEFAULT/1024-768/INTFACE.TXT", "DesktopWindowWidth = 0; DesktopTableHeight = -3;\r\n");
  fs::create_directories(home_ / "config/Talvek/registry.ini");  // a folder where the file should be
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(boxes_.size(), 4u);
  EXPECT_EQ(boxes_[0].kind, BoxKind::Warning);
  EXPECT_TRUE(boxes_[0].text.starts_with("Error in contents of file INTFACE.TXT\rDesktopTableHeight = -3"));
  EXPECT_TRUE(boxes_[1].text.starts_with("Error in contents of file INTFACE.TXT\rDesktopWindowWidth = 0"));
  EXPECT_EQ(boxes_[2].kind, BoxKind::Error) << "the registry";
  EXPECT_EQ(boxes_[3].kind, BoxKind::Question) << "and the program ran to its exit question";
  EXPECT_EQ(CurrentRun().geometry.windowWidth, 445);
  EXPECT_EQ(CurrentRun().dataRoots.Roots().front(), program_.Path());
}

TEST_F(StartupTest, DescriptionErrorIsAWarningAndStartUpGoesOn) {
  program_.Write("Lumena.ini", "");
  program_.Write("Intfaces/DEFAULT/1024-768/INTFACE.TXT", "\r\n\r\nEND\r\n");
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[0].kind, BoxKind::Warning);
  EXPECT_EQ(boxes_[0].text, "Error in contents of file INTFACE.TXT (line #3)\rUnnecessary END encountered");
  EXPECT_EQ(boxes_[1].kind, BoxKind::Question);
}

TEST_F(StartupTest, AMissingTemplateBaseIsToldAndTheRunGoesOn) {
  program_.Write("Lumena.ini", "");
  fs::remove(program_ / "PartBase.txt");
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[0].kind, BoxKind::Error);
  EXPECT_NE(boxes_[0].text.find("PartBase.txt is missing"), std::string::npos) << boxes_[0].text;
  EXPECT_EQ(boxes_[1].kind, BoxKind::Question) << "the program ran to its exit question";
}

TEST_F(StartupTest, DecliningExitKeepsTheBackdropOpen) {
  program_.Write("Lumena.ini", "");
  int asked = 0;
  answer_ = [&] { return ++asked == 1 ? 7 : 6; };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(asked, 2) << "the first close was declined, the second accepted";
}

TEST_F(StartupTest, TheMainWindowsCloseButtonAsksThroughTheMessageWindow) {
  program_.Write("Lumena.ini", "");
  program_.Write("termins.txt", "ConfirmExit=Leave now?;\r\n");
  bool closedByTheButton = false;
  userAction_ = [&] {
    TSkinnedForm::MainForm()->findChild<TGraphicButton*>("ButtonExit")->OnClick();
    closedByTheButton = boxes_.size() == 1;
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(closedByTheButton);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, "Leave now?");
}

TEST_F(StartupTest, TheMinimiseButtonMinimisesTheWholeProgram) {
  program_.Write("Lumena.ini", "");
  bool minimised = false;
  userAction_ = [&] {
    TSkinnedForm* main = TSkinnedForm::MainForm();
    main->findChild<TGraphicButton*>("ButtonMinimize")->OnClick();
    minimised = main->window()->isMinimized() && qobject_cast<TFormScreen*>(main->window());
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(minimised);
}

// A work of one layer, saved where the test wants it.
void WriteWork(const fs::path& file) {
  DeskObserver observer;
  DeskGeometry geometry;
  TWorkDesk desk(observer, geometry);
  Picture picture(40, 30);
  for (Pixel& p : picture.Pixels()) p = {10, 20, 30, 255};
  desk.InsertLayer(TLayer::CreateFromPicture(desk, picture, "Portrait", false));
  SaveWork(file, desk, PlacementAnchors{}, "Lumena 5.10");
}

TEST_F(StartupTest, AWorkOnTheCommandLineIsOpenedAndSavedBackOnExit) {
  program_.Write("Lumena.ini", "");
  program_.Write("termins.txt", "ConfirmSaveSession=Save?;\r\nConfirmExit=Leave?;\r\n");
  const fs::path work = home_ / "look.lmc";
  WriteWork(work);
  const auto before = fs::last_write_time(work);
  userAction_ = [&] {
    EXPECT_EQ(CurrentRun().desk->Count(), 1);
    EXPECT_TRUE(CurrentRun().workSaved);
    CurrentRun().desk->RecordAction(EditingAction::ParametersChanged);
    fs::last_write_time(work, before - std::chrono::hours(1));
  };
  options_.workFile = work.string();
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[0].text, "Save?");
  EXPECT_EQ(boxes_[1].text, "Leave?");
  EXPECT_GT(fs::last_write_time(work), before - std::chrono::hours(1)) << "the work was saved back";
  EXPECT_TRUE(CurrentRun().workSaved);
}

TEST_F(StartupTest, ADamagedCommandLineWorkIsToldAndTheDeskStaysEmpty) {
  program_.Write("Lumena.ini", "");
  options_.workFile = home_.Write("bad.lmc", "not a work").string();
  userAction_ = [] { EXPECT_EQ(CurrentRun().desk->Count(), 0); };
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[0].text, "Unable to load work from file\nbad.lmc");
  EXPECT_EQ(boxes_[1].text, "");  // the exit question, without texts here
}

// Answers in turn, then yes.
std::function<int()> AnswersInTurn(std::vector<int> answers) {
  return [answers = std::move(answers), next = size_t{0}]() mutable {
    return next < answers.size() ? answers[next++] : 6;
  };
}

TEST_F(StartupTest, AWorkThatCannotBeSavedOnExitIsToldAndTheProgramStays) {
  program_.Write("Lumena.ini", "");
  program_.Write("termins.txt",
                 "ConfirmSaveSession=Save?;\r\nConfirmExit=Leave?;\r\nMessageUnableSaveWork=No save;\r\n");
  const fs::path work = home_ / "gone" / "look.lmc";
  fs::create_directories(work.parent_path());
  WriteWork(work);
  userAction_ = [&] {
    CurrentRun().desk->RecordAction(EditingAction::ParametersChanged);
    fs::remove_all(work.parent_path());
    home_.Write("gone", "a file where the folder was");
  };
  options_.workFile = work.string();
  saveAs_ = [work] { return work.string(); };
  answer_ = AnswersInTurn({6, 6, 7, 6});
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(boxes_.size(), 4u);
  EXPECT_EQ(boxes_[0].text, "Save?");
  EXPECT_EQ(boxes_[1].text, "No save\nlook.lmc");
  EXPECT_EQ(boxes_[2].text, "Save?") << "the program went on after the failed save";
  EXPECT_EQ(boxes_[3].text, "Leave?");
}

// A work made on the desk, not yet saved.
void MakeWorkOnTheDesk() {
  TWorkDesk& desk = *CurrentRun().desk;
  Picture picture(20, 10);
  for (Pixel& p : picture.Pixels()) p = {10, 20, 30, 255};
  desk.InsertLayer(TLayer::CreateFromPicture(desk, picture, "Portrait", false));
  CurrentRun().desk->RecordAction(EditingAction::ParametersChanged);
}

TEST_F(StartupTest, AWorkWithoutAFileIsSavedOnExitUnderTheNameTypedInTheWorksFolder) {
  program_.Write("Lumena.ini", "");
  program_.Write("termins.txt", "ConfirmSaveSession=Save?;\r\nConfirmExit=Leave?;\r\n");
  userAction_ = MakeWorkOnTheDesk;
  saveAs_ = [] { return std::string("mine"); };
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(boxes_.size(), 2u);
  EXPECT_TRUE(fs::is_regular_file(program_ / "Works" / "mine.lmc")) << "the compressed kind, the first filter's";
  EXPECT_EQ(CurrentRun().workPath, program_ / "Works" / "mine.lmc");
}

TEST_F(StartupTest, CancellingTheSaveOnExitKeepsTheProgramAndTheWorkUnsaved) {
  program_.Write("Lumena.ini", "");
  program_.Write("termins.txt", "ConfirmSaveSession=Save?;\r\nConfirmExit=Leave?;\r\n");
  userAction_ = MakeWorkOnTheDesk;
  saveAs_ = [] { return std::nullopt; };
  answer_ = AnswersInTurn({6, 7, 6});
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(boxes_.size(), 3u);
  EXPECT_EQ(boxes_[1].text, "Save?") << "the program went on after the cancelled save";
  EXPECT_FALSE(CurrentRun().workSaved);
  EXPECT_TRUE(fs::is_empty(program_ / "Works")) << "nothing written";
}

TEST_F(StartupTest, CursorsComeFromTheProgramFolder) {
  RegisterCursors(LUMENA_PROGRAM_FOLDER);
  for (const CursorName& c : kCursorNames) EXPECT_TRUE(CursorLoadedFromFile(c.number)) << c.name;
  EXPECT_FALSE(CursorLoadedFromFile(106));
  EXPECT_FALSE(CursorFor(crRotate).pixmap().isNull());
}

TEST(Intro, AKeyDuringTheFirstOfThreePicturesEndsTheWholeIntro) {
  TempFolder dir;
  QImage(40, 30, QImage::Format_RGB32).save(QString::fromStdString((dir / "a.jpg").string()));
  const std::vector<IntroEntry> entries(3, IntroEntry{IntroEntry::Kind::Picture, dir / "a.jpg", 0, 0, 60000});
  TFormScreen screen;
  screen.resize(400, 300);
  screen.show();
  QTimer::singleShot(50, &screen, [&] {
    EXPECT_TRUE(screen.IntroImage->isVisible());
    EXPECT_EQ(screen.IntroImage->geometry(), QRect(180, 135, 40, 30)) << "centred on the backdrop";
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(&screen, &key);
  });
  QElapsedTimer clock;
  clock.start();
  PlayIntro(screen, entries);
  EXPECT_LT(clock.elapsed(), 30000) << "the remaining pictures were not shown";
  EXPECT_TRUE(screen.IntroSkipped());
  EXPECT_FALSE(screen.IntroImage->isVisible());
}

TEST(Intro, AVideoThatCannotPlayIsPassedOver) {
  TempFolder dir;
  const IntroEntry video{IntroEntry::Kind::Video, dir.Write("Logo.avi", "not a video"), 320, 240, 0};
  TFormScreen screen;
  screen.show();
  QElapsedTimer clock;
  clock.start();
  PlayIntro(screen, {video});
  EXPECT_LT(clock.elapsed(), 30000);
  EXPECT_FALSE(screen.IntroSkipped());
  for (QWidget* w : QApplication::topLevelWidgets())
    EXPECT_NE(w->objectName(), "LogoForm") << "the video window is gone";
}

TEST(Intro, AVideoPlaysToItsEndUnlessAKeyStopsIt) {
  TempFolder dir;
  testing::WriteMotionJpegAvi(dir / "Logo.avi", 64, 48, 15, 10);
  const IntroEntry video{IntroEntry::Kind::Video, dir / "Logo.avi", 320, 240, 0};
  TFormScreen screen;
  screen.show();
  QElapsedTimer clock;
  clock.start();
  PlayIntro(screen, {video});
  EXPECT_GT(clock.elapsed(), 1000) << "one and a half seconds of video";
  EXPECT_LT(clock.elapsed(), 30000);
  EXPECT_FALSE(screen.IntroSkipped());

  QTimer::singleShot(300, [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "LogoForm") {
        EXPECT_EQ(w->findChild<QWidget*>()->geometry().size(), QSize(320, 240)) << "shown at the size asked";
        QTest::keyClick(w, Qt::Key_Space);
      }
  });
  clock.restart();
  PlayIntro(screen, {video, video});
  EXPECT_TRUE(screen.IntroSkipped());
  EXPECT_LT(clock.elapsed(), 2900) << "the key ended the video and the second was not played";
}

TEST(CommandLine, ProgramFolderOptionAndOneWorkFile) {
  const StartupOptions o = ParseCommandLine({"--program-folder", "/p", "a.lmc", "b.lmc"});
  EXPECT_EQ(o.programFolder, fs::path("/p"));
  EXPECT_EQ(o.workFile, "a.lmc");
  EXPECT_THROW(ParseCommandLine({"--bogus"}), std::invalid_argument);
  EXPECT_THROW(ParseCommandLine({"--program-folder"}), std::invalid_argument);
}

}  // namespace
}  // namespace lumena
