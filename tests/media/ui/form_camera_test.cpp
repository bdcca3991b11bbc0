// The camera window with a fake capture: finding a camera, what its buttons
// offer, the snapshot, driver errors; and Qt Multimedia's capture on a
// machine without a camera.
#include "media/ui/form_camera.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMediaDevices>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "fake_video_capture.h"
#include "interface/interface_context.h"
#include "interface/interface_parser.h"
#include "interface/ui/graphic_button.h"
#include "interface/ui/picture_control.h"
#include "media/ui/qt_video_capture.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/message_boxes.h"

namespace lumena {
namespace {

constexpr Pixel kTeal{150, 140, 20, 255};
constexpr const char* kDriverButtons[] = {"ButtonVideoSource", "ButtonVideoFormat", "ButtonVideoDisplay",
                                          "ButtonSnapshot"};

void WhileRunning(std::function<void()> action) { QTimer::singleShot(0, qApp, std::move(action)); }

Picture Filled(int width, int height, Pixel colour) {
  Picture picture(width, height);
  std::ranges::fill(picture.Pixels(), colour);
  return picture;
}

// Answers the dialog the window opens next: sets its lists and confirms.
void AnswerDialog(std::vector<int> choices) {
  WhileRunning([choices = std::move(choices)] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    const QList<QComboBox*> lists = dialog->findChildren<QComboBox*>();
    ASSERT_EQ(lists.size(), static_cast<qsizetype>(choices.size()));
    for (qsizetype i = 0; i < lists.size(); ++i) lists[i]->setCurrentIndex(choices[static_cast<size_t>(i)]);
    dialog->accept();
  });
}

struct Warning {
  std::string caption, text;
  friend bool operator==(const Warning&, const Warning&) = default;
};

class FormCameraTest : public ::testing::Test {
 protected:
  FormCameraTest() {
    SetBoxHandler([this](BoxKind, const std::string& text) {
      boxes_.push_back(text);
      return 7;
    });
    CurrentInterface().AppFolder = LUMENA_PROGRAM_FOLDER;
    // Opaque cells: normal, hover, pressed, disabled.
    mainButtons_.SetPicture(Filled(4 * 19, 20, kOpaqueBlack));
    mainExit_.Resource.SetImage(&mainButtons_);
    mainExit_.Resource.SetCells(0, 0, 19, 20, 1, 4);
    capture_->inputs = {"Broken camera", "Desk camera"};
    capture_->starting = {1};
  }
  ~FormCameraTest() override {
    form_.reset();
    CurrentInterface() = InterfaceContext();
    SetBoxHandler(nullptr);
  }

  TFormCamera& Window() {
    if (!form_) {
      form_ = std::make_unique<TFormCamera>(std::move(owned_), mainExit_);
      form_->onSnapshot = [this](Picture p) { handed_.push_back(std::move(p)); };
      form_->showWarning = [this](std::string_view caption, std::string_view text) {
        warnings_.push_back({std::string(caption), std::string(text)});
      };
    }
    return *form_;
  }
  TGraphicButton& Button(std::string_view name) { return *ChildByName<TGraphicButton>(Window(), name); }
  void Click(std::string_view name) {
    TGraphicButton& button = Button(name);
    QTest::mouseClick(&button, Qt::LeftButton, {}, button.rect().center());
  }
  std::vector<bool> Enabled() {
    std::vector<bool> enabled;
    for (const char* name : kDriverButtons) enabled.push_back(Button(name).isEnabled());
    return enabled;
  }
  // Runs the window with `action` under way; the window is closed after it
  // unless the action closed it.
  void RunWith(std::function<void()> action) {
    WhileRunning([this, action = std::move(action)] {
      action();
      Window().close();
    });
    Window().RunModal();
  }

  // Set up by the test; the window owns it from its first use.
  std::unique_ptr<testing::FakeVideoCapture> owned_ = std::make_unique<testing::FakeVideoCapture>();
  testing::FakeVideoCapture* capture_ = owned_.get();
  std::unique_ptr<TFormCamera> form_;
  TPictureControl mainButtons_;
  // The main window's close button, shown there: its copy is shown too.
  QWidget mainWindow_;
  TGraphicButton mainExit_{&mainWindow_};
  std::vector<Picture> handed_;
  std::vector<Warning> warnings_;
  std::vector<std::string> boxes_;
};

TEST_F(FormCameraTest, FindCameraKeepsTheFirstInputThatStarts) {
  EXPECT_TRUE(Window().FindCamera());
  EXPECT_EQ(capture_->tried, (std::vector{0, 1}));
  EXPECT_EQ(capture_->Connected(), 1);

  capture_->starting = {};
  EXPECT_FALSE(Window().FindCamera());
  EXPECT_EQ(capture_->Connected(), std::nullopt);
}

TEST_F(FormCameraTest, WithoutACameraEveryButtonIsDisabled) {
  capture_->starting = {};
  ASSERT_FALSE(Window().FindCamera());
  RunWith([&] { EXPECT_EQ(Enabled(), (std::vector{false, false, false, false})); });
  EXPECT_TRUE(boxes_.empty()) << "the skin and the buttons' picture load";
}

struct CapabilityCase {
  const char* name;
  int inputs, formats, settings;
  std::vector<bool> enabled;  // source, format, display, snapshot
};

class FormCameraCapabilityTest : public FormCameraTest, public ::testing::WithParamInterface<CapabilityCase> {};

TEST_P(FormCameraCapabilityTest, ADialogButtonIsEnabledWhenThereIsSomethingToChoose) {
  const CapabilityCase& c = GetParam();
  capture_->inputs.resize(static_cast<size_t>(c.inputs), "Camera");
  capture_->starting = {0};
  capture_->formats.resize(static_cast<size_t>(c.formats), {640, 480, "YUYV", 30, 30});
  capture_->settings.resize(static_cast<size_t>(c.settings), {"White balance", {"Automatic", "Cloudy"}, 0});
  ASSERT_TRUE(Window().FindCamera());
  RunWith([&] { EXPECT_EQ(Enabled(), c.enabled); });
}

INSTANTIATE_TEST_SUITE_P(Capabilities, FormCameraCapabilityTest,
                         ::testing::Values(CapabilityCase{"NothingToChoose", 1, 1, 0, {false, false, false, true}},
                                           CapabilityCase{"TwoInputs", 2, 1, 0, {true, false, false, true}},
                                           CapabilityCase{"TwoFormats", 1, 2, 0, {false, true, false, true}},
                                           CapabilityCase{"APictureSetting", 1, 0, 1, {false, false, true, true}},
                                           CapabilityCase{"Everything", 3, 4, 2, {true, true, true, true}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormCameraTest, ASnapshotHandsOne640By480FrameAndCloses) {
  ASSERT_TRUE(Window().FindCamera());
  RunWith([&] {
    EXPECT_TRUE(Window().isVisible());
    capture_->Deliver(Filled(800, 600, kTeal));
    Click("ButtonSnapshot");
    EXPECT_FALSE(Window().isVisible());
  });
  ASSERT_EQ(handed_.size(), 1u);
  EXPECT_EQ(handed_[0], Filled(640, 480, kTeal));
  EXPECT_EQ(capture_->Connected(), std::nullopt) << "closing lets the camera go";
}

TEST_F(FormCameraTest, NoFrameYetOrNoSnapshotHandsNothing) {
  ASSERT_TRUE(Window().FindCamera());
  RunWith([&] {
    Click("ButtonSnapshot");
    EXPECT_TRUE(Window().isVisible()) << "still capturing: the click does nothing";
    capture_->Deliver(Filled(640, 480, kTeal));
    Click("ButtonExit");
    EXPECT_FALSE(Window().isVisible());
  });
  EXPECT_TRUE(handed_.empty());
}

TEST_F(FormCameraTest, ThePreviewShowsTheFramesWhereTheInterfacePutsIt) {
  CurrentInterface().Info = TOrvInterfaceInfo{
      ParseInterfaceText("SECTION FormCamera TFormCamera\r\n  CapWinX = 30; CapWinY = 40;\r\nEND\r\n"), true};
  ASSERT_TRUE(Window().FindCamera());
  RunWith([&] {
    const auto& preview = *ChildByName<TPictureControl>(Window(), "CaptureWindow");
    EXPECT_EQ(preview.geometry(), QRect(30, 40, 160, 120));
    capture_->Deliver(Filled(1280, 720, kTeal));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !preview.GetPicture().Empty(); }, 1000));
    EXPECT_EQ(preview.GetPicture(), Filled(160, 120, kTeal));
  });
}

TEST_F(FormCameraTest, DriverErrorsShowTheirNumberAndTextAndKeepTheWindowOpen) {
  ASSERT_TRUE(Window().FindCamera());
  RunWith([&] {
    capture_->RaiseError(0, "");
    capture_->RaiseError(1, "Camera is in use");
    EXPECT_TRUE(Window().isVisible());
  });
  EXPECT_EQ(warnings_, (std::vector<Warning>{{"Error# 1", "Camera is in use"}}));
}

TEST_F(FormCameraTest, TheDialogsChooseInputFormatAndPictureSettings) {
  capture_->inputs = {"Desk camera", "Broken camera", "Door camera"};
  capture_->starting = {0, 2};
  capture_->formats = {{320, 240, "YUYV", 30, 30}, {640, 480, "MJPG", 15, 30}};
  capture_->format = 0;
  capture_->settings = {{"White balance", {"Automatic", "Cloudy"}, 0}, {"Exposure", {"-1", "0", "+1"}, 1}};
  ASSERT_TRUE(Window().FindCamera());
  RunWith([&] {
    AnswerDialog({1});
    Window().ButtonVideoSourceClick();
    EXPECT_EQ(capture_->Connected(), 0) << "an input that does not start leaves the one that did";
    AnswerDialog({2});
    Window().ButtonVideoSourceClick();
    EXPECT_EQ(capture_->Connected(), 2);
    AnswerDialog({1});
    Window().ButtonVideoFormatClick();
    EXPECT_EQ(capture_->format, 1u);
    AnswerDialog({1, 2});
    Window().ButtonVideoDisplayClick();
    EXPECT_EQ(capture_->settings[0].current, 1);
    EXPECT_EQ(capture_->settings[1].current, 2);
  });
}

TEST_F(FormCameraTest, TheWindowStandsBelowAndRightOfTheMainWindowsCorner) {
  TSkinnedForm main("FormMain");
  main.move(200, 100);
  TSkinnedForm::SetMainForm(&main);
  EXPECT_EQ(Window().pos(), QPoint(320, 185));
  EXPECT_TRUE(Window().OwnModal);
  TSkinnedForm::SetMainForm(nullptr);
}

TEST_F(FormCameraTest, QtMultimediaWithoutACameraFindsNoneAndOffersNothing) {
  if (!QMediaDevices::videoInputs().isEmpty()) GTEST_SKIP() << "this machine has a camera";
  TFormCamera form(std::make_unique<TQtVideoCapture>(), mainExit_);
  form.onSnapshot = [this](Picture p) { handed_.push_back(std::move(p)); };
  EXPECT_FALSE(form.FindCamera());
  WhileRunning([&] {
    for (const char* name : kDriverButtons) EXPECT_FALSE(ChildByName<QWidget>(form, name)->isEnabled()) << name;
    form.ButtonSnapshotClick();
    form.ButtonVideoSourceClick();
    form.ButtonVideoFormatClick();
    form.ButtonVideoDisplayClick();
    form.close();
  });
  form.RunModal();
  EXPECT_TRUE(handed_.empty());
}

}  // namespace
}  // namespace lumena
