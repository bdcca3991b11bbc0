// The scanner's source choice and the scan with its progress window, against
// SANE's test backend.
#include "workfile/ui/scanner_dialogs.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/message_boxes.h"
#include "support/temp_folder.h"
#include "workfile/ui/modal_actions.h"

namespace lumena {
namespace {

using testing::WhenModal;

// SANE reads SANE_CONFIG_DIR at the process's first sane_init, so one
// folder serves every test; dll.conf and test.conf are read at each one.
const testing::TempFolder& ConfigFolderSlot() {
  static const testing::TempFolder folder;
  static const bool ready = ::setenv("SANE_CONFIG_DIR", folder.Path().c_str(), 1) == 0;
  EXPECT_TRUE(ready);
  return folder;
}

// The colour pattern at 50 dpi on the device's 80 x 100 mm.
constexpr int kWidth = 157;
constexpr int kHeight = 196;
constexpr std::string_view kSettings =
    "test-picture \"Color pattern\"\nresolution 50\ndepth 8\nhand-scanner false\nthree-pass false\n";
// The backend's reader pauses after each buffer it hands over (the picture
// takes two), so that the progress window shows a share for a while.
constexpr std::string_view kSlowSettings =
    "read-limit true\nread-limit-size 4096\nread-delay true\nread-delay-duration 200000\n";
constexpr std::string_view kQuickSettings = "read-limit false\nread-delay false\n";

void UseTestDevices(std::string_view backends, std::string_view extra = kQuickSettings) {
  const testing::TempFolder& folder = ConfigFolderSlot();
  folder.Write("dll.conf", backends);
  folder.Write("test.conf", std::string(kSettings) + std::string(extra));
}

struct Box {
  BoxKind kind;
  std::string text;
};

class ScannerDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetBoxHandler([this](BoxKind kind, const std::string& text) {
      boxes_.push_back({kind, text});
      return 6;
    });
  }
  void TearDown() override { SetBoxHandler(nullptr); }

  std::vector<Box> boxes_;
};

// The events of a real double click: press, release, press, double click,
// release.
void DoubleClick(QWidget& widget, QPoint at) {
  QTest::mouseClick(&widget, Qt::LeftButton, {}, at);
  QTest::mousePress(&widget, Qt::LeftButton, {}, at);
  QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
  QApplication::sendEvent(&widget, &doubleClick);
  QTest::mouseRelease(&widget, Qt::LeftButton, {}, at);
}

int ThreadCount() {
  return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/task"), {}));
}

TEST_F(ScannerDialogsTest, SourceChoiceListsTheDevicesAndGivesTheOnePicked) {
  UseTestDevices("test\n");
  struct Case {
    const char* what;
    std::function<void(QDialog&, QListWidget&)> act;
    std::optional<std::string> expected;
  };
  const auto okButton = [](QDialog& d) { return d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok); };
  const std::vector<Case> cases = {
      {"OK takes the first", [&](QDialog& d, QListWidget&) { okButton(d)->click(); }, "test:0"},
      {"OK takes the one chosen",
       [&](QDialog& d, QListWidget& list) {
         list.setCurrentRow(1);
         okButton(d)->click();
       },
       "test:1"},
      {"a double click takes the one clicked",
       [](QDialog&, QListWidget& list) {
         const QRect item = list.visualItemRect(list.item(1));
         DoubleClick(*list.viewport(), item.center());
       },
       "test:1"},
      {"Cancel takes none",
       [](QDialog& d, QListWidget&) { d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click(); },
       std::nullopt},
      {"Esc takes none", [](QDialog& d, QListWidget&) { QTest::keyClick(&d, Qt::Key_Escape); }, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    bool shown = false;
    WhenModal([&](QWidget& window) {
      auto* list = window.findChild<QListWidget*>("ScannerList");
      if (!list) return false;
      shown = true;
      EXPECT_EQ(list->count(), 2);
      for (int i = 0; i < list->count(); ++i) EXPECT_EQ(list->item(i)->text(), "Noname frontend-tester");
      EXPECT_EQ(list->currentRow(), 0);
      c.act(static_cast<QDialog&>(window), *list);
      return true;
    });
    EXPECT_EQ(ChooseScanner(nullptr), c.expected);
    EXPECT_TRUE(shown);
  }
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(ScannerDialogsTest, SourceChoiceWithoutDevicesSaysSoAndGivesNone) {
  UseTestDevices("");
  EXPECT_EQ(ChooseScanner(nullptr), std::nullopt);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].kind, BoxKind::Warning);
  EXPECT_NE(boxes_[0].text.find("No scanner"), std::string::npos) << boxes_[0].text;
}

TEST_F(ScannerDialogsTest, ScanGivesThePictureOfTheDevicesSize) {
  UseTestDevices("test\n", kSlowSettings);
  int largestShown = -1;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    if (auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget()))
      largestShown = std::max(largestShown, progress->value());
  });
  watcher.start(5);
  const std::optional<Picture> picture = ScanWithProgress(nullptr, "test:0");
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->Width(), kWidth);
  EXPECT_EQ(picture->Height(), kHeight);
  EXPECT_GT(largestShown, 0) << "the progress window showed the share read";
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ScannerDialogsTest, CancellingFromTheProgressWindowGivesNothingAndEndsTheWorker) {
  // The first window of a run starts Qt's own threads for good.
  UseTestDevices("test\n");
  ASSERT_TRUE(ScanWithProgress(nullptr, "test:0").has_value());
  const int threadsBefore = ThreadCount();
  UseTestDevices("test\n", kSlowSettings);
  int cancelledAt = -1;
  WhenModal([&](QWidget& window) {
    auto* progress = qobject_cast<QProgressDialog*>(&window);
    if (!progress || progress->value() <= 0) return false;
    cancelledAt = progress->value();
    progress->findChild<QPushButton*>()->click();
    return true;
  });
  EXPECT_EQ(ScanWithProgress(nullptr, "test:0"), std::nullopt);
  EXPECT_GT(cancelledAt, 0);
  EXPECT_LT(cancelledAt, 100);
  EXPECT_EQ(ThreadCount(), threadsBefore) << "the worker and the backend's reader have ended";
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ScannerDialogsTest, AnUnknownDeviceShowsTheErrorAndGivesNothing) {
  UseTestDevices("test\n");
  EXPECT_EQ(ScanWithProgress(nullptr, "nosuch:0"), std::nullopt);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].kind, BoxKind::Error);
  EXPECT_NE(boxes_[0].text.find("\"nosuch:0\""), std::string::npos) << boxes_[0].text;
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace lumena
