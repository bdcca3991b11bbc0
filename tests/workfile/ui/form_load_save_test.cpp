// The load and save window's actions on their own: what each button asks,
// what reaches the desk, the adjustment and the clipboard, and the saved
// flags after writes that fail.
#include "workfile/ui/form_load_save.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>

#include "interface/interface_context.h"
#include "interface/ui/graphic_button.h"
#include "platform/ui/child_by_name.h"
#include "platform/ui/message_boxes.h"
#include "support/temp_folder.h"
#include "work/work_desk_test_host.h"
#include "workfile/ui/modal_actions.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_saving.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;
using testing::WhenModal;

constexpr Pixel kRed{0, 0, 200, 255};

// Answers the next file dialog by typing `name` and accepting, or cancels it.
// Accepting is queued: a question the dialog asks is a failure, answered No.
void AnswerFileDialog(std::optional<std::string> name) {
  WhenModal([name = std::move(name)](QWidget& modal) {
    if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
      ADD_FAILURE() << "the dialog asked: " << box->text().toStdString();
      box->reject();
      return false;
    }
    auto* dialog = qobject_cast<QDialog*>(&modal);
    auto* edit = modal.findChild<QLineEdit*>("fileNameEdit");
    if (!dialog || !edit) return false;
    if (!name) {
      dialog->reject();
      return true;
    }
    // Typing replaces the file the dialog proposed; without the keyboard
    // focus the dialog would keep it chosen.
    for (auto* view : modal.findChildren<QAbstractItemView*>()) view->clearSelection();
    edit->setText(QString::fromStdString(*name));
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    return true;
  });
}

class FormLoadSaveTest : public ::testing::Test {
 protected:
  FormLoadSaveTest() {
    // The generated interface's skins; any box would wait for a click.
    CurrentInterface().AppFolder = LUMENA_PROGRAM_FOLDER;
    SetBoxHandler([this](BoxKind, const std::string& text) {
      boxes_.push_back(text);
      return 7;
    });
    QGuiApplication::clipboard()->clear();
  }
  ~FormLoadSaveTest() override {
    EXPECT_TRUE(boxes_.empty()) << boxes_.front();
    SetBoxHandler(nullptr);
    CurrentInterface() = InterfaceContext();
  }

  TFormLoadSave& Window() {
    if (!form_) {
      LoadSaveServices services{
          desk_,
          anchors_,
          {workPath_, workSaved_, imageSaved_},
          {folder_ / "in", folder_ / "out", folder_ / "works", folder_ / "works"},
          "Lumena",
          "Lumena 1.0",
          [this](PortraitPicture p) { adjusted_.push_back(std::move(p)); },
          [this] { return cameraFound_; },
          [this] { ++cameraRuns_; },
          [this](const LoadSaveNotice& n) { told_.push_back(std::string(n.key) + " " + n.fileName); },
          [this](std::string_view key) {
            asked_.emplace_back(key);
            return answer_;
          }};
      form_ = std::make_unique<TFormLoadSave>(std::move(services), exit_, loadSaveButton_);
    }
    return *form_;
  }
  void Press(const char* button) {
    Window().show();
    ChildByName<TGraphicButton>(Window(), button)->OnClick();
  }
  // A red square with a transparent band down its left quarter.
  void LayWork() {
    Picture picture(40, 40);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) picture.At(x, y) = x < 10 ? Pixel{0, 0, 0, 0} : kRed;
    desk_.InsertLayer(TLayer::CreateFromPicture(desk_, picture, "Portrait", true));
    workSaved_ = imageSaved_ = false;
  }

  testing::TempFolder folder_;
  testing::DeskFixture fixture_;
  TWorkDesk& desk_ = fixture_.desk;
  PlacementAnchors anchors_;
  fs::path workPath_;
  bool workSaved_ = true, imageSaved_ = true, cameraFound_ = false, answer_ = true;
  TGraphicButton exit_, loadSaveButton_;
  std::unique_ptr<TFormLoadSave> form_;
  std::vector<PortraitPicture> adjusted_;
  std::vector<std::string> told_, asked_, boxes_;
  int cameraRuns_ = 0;
};

TEST_F(FormLoadSaveTest, SavingAndSendingAnEmptyWorkIsRefusedWithoutADialog) {
  for (const char* button : {"ButtonSaveImage", "ButtonSaveWork", "ButtonSaveClipboard"}) Press(button);
  EXPECT_EQ(told_, std::vector<std::string>(3, "MessageWorkIsEmpty "));
  EXPECT_FALSE(ChildByName<QWidget>(Window(), "ButtonSendImage")->isEnabled()) << "sending comes with the mail";
  EXPECT_FALSE(ChildByName<QWidget>(Window(), "ButtonSendWork")->isEnabled());
}

TEST_F(FormLoadSaveTest, APictureIsExportedAndMarkedSavedOnlyWhenItWasWritten) {
  LayWork();
  AnswerFileDialog("look");  // the first filter's extension: a bitmap
  Press("ButtonSaveImage");
  EXPECT_TRUE(imageSaved_);
  EXPECT_TRUE(fs::is_regular_file(folder_ / "out" / "look.bmp")) << "the export folder is made when missing";
  EXPECT_FALSE(Window().isVisible()) << "the window closes before the export";

  imageSaved_ = false;
  AnswerFileDialog((folder_ / "missing" / "look.png").string());
  Press("ButtonSaveImage");
  EXPECT_EQ(told_, std::vector<std::string>{"MessageUnableSaveImage look.png"});
  EXPECT_FALSE(imageSaved_);
}

TEST_F(FormLoadSaveTest, AWorkIsNamedAndSavedOnlyOnceItsFileIsWritten) {
  LayWork();
  workPath_ = "/nowhere/old.lmc";
  AnswerFileDialog((folder_ / "missing" / "look.lmc").string());
  Press("ButtonSaveWork");
  EXPECT_EQ(told_, std::vector<std::string>{"MessageUnableSaveWork look.lmc"});
  EXPECT_FALSE(workSaved_);
  EXPECT_EQ(workPath_, "/nowhere/old.lmc");

  AnswerFileDialog(std::nullopt);
  Press("ButtonSaveWork");
  EXPECT_FALSE(workSaved_) << "a cancelled dialog changes nothing";

  fs::create_directories(folder_ / "works");
  AnswerFileDialog((folder_ / "works" / "mine.work").string());
  Press("ButtonSaveWork");
  EXPECT_TRUE(workSaved_);
  EXPECT_EQ(workPath_, folder_ / "works" / "mine.work.lmc") << "an unknown extension gets the filter's";
  EXPECT_FALSE(ReadWorkToc(workPath_).empty());
}

TEST_F(FormLoadSaveTest, ADamagedWorkIsRefusedBeforeTheDeskIsAskedAbout) {
  LayWork();
  const fs::path damaged = folder_.Write("damaged.lmc", "not a work");
  AnswerFileDialog(damaged.string());
  Press("ButtonLoadWork");
  EXPECT_EQ(told_, std::vector<std::string>{"MessageUnableLoadWork damaged.lmc"});
  EXPECT_TRUE(asked_.empty()) << "nothing asked about a work that cannot be opened";
  EXPECT_EQ(desk_.Count(), 1);
}

TEST_F(FormLoadSaveTest, OpeningAWorkOverTheDeskAsksAndNoAddsItsLayers) {
  LayWork();
  const fs::path work = folder_ / "works" / "two.lmu";
  fs::create_directories(work.parent_path());
  SaveWork(work, desk_, anchors_, "Lumena 1.0");
  answer_ = false;
  AnswerFileDialog(work.string());
  Press("ButtonLoadWork");
  EXPECT_EQ(asked_, std::vector<std::string>{"ConfirmClearPrevWork"});
  EXPECT_EQ(desk_.Count(), 2);
  EXPECT_FALSE(workSaved_) << "the merged work is a new one";
  EXPECT_EQ(workPath_, work);
}

TEST_F(FormLoadSaveTest, ThePictureGoesToTheClipboardAt24BitsOnWhiteAndComesBackAsAPortrait) {
  Press("ButtonLoadClipboard");
  EXPECT_EQ(told_, std::vector<std::string>{"MessageClipboardIsEmpty "});
  LayWork();
  Press("ButtonSaveClipboard");
  const QImage copied = QGuiApplication::clipboard()->image();
  ASSERT_EQ(copied.size(), QSize(40, 40));
  EXPECT_FALSE(copied.hasAlphaChannel());
  EXPECT_EQ(copied.pixel(2, 20) & 0xFFFFFFu, 0xFFFFFFu) << "the transparent band is white";
  EXPECT_EQ(copied.pixel(30, 20) & 0xFFFFFFu, 0xC80000u);
  Press("ButtonLoadClipboard");
  ASSERT_EQ(adjusted_.size(), 1u);
  EXPECT_FALSE(adjusted_[0].ownOpacity);
  EXPECT_EQ(adjusted_[0].picture.At(30, 20), kRed);
}

TEST_F(FormLoadSaveTest, APortraitFileGoesToTheAdjustmentAndABadOneIsTold) {
  AnswerFileDialog(LUMENA_SOURCE_DIR "/third_party/samples/astronaut.png");
  Press("ButtonLoadImage");
  ASSERT_EQ(adjusted_.size(), 1u);
  EXPECT_EQ(adjusted_[0].picture.Width(), 512);
  AnswerFileDialog(folder_.Write("bad.png", "not a picture").string());
  Press("ButtonLoadImage");
  EXPECT_EQ(told_, std::vector<std::string>{"MessageUnableLoadImage bad.png"});
  EXPECT_EQ(adjusted_.size(), 1u);
}

TEST_F(FormLoadSaveTest, TheCameraRunsOnlyWhenOneIsFound) {
  Press("ButtonLoadCamera");
  EXPECT_EQ(told_, std::vector<std::string>{"MessageCameraNotFound "});
  EXPECT_TRUE(Window().isVisible());
  cameraFound_ = true;
  Press("ButtonLoadCamera");
  EXPECT_EQ(cameraRuns_, 1);
  EXPECT_FALSE(Window().isVisible());
}

}  // namespace
}  // namespace lumena
