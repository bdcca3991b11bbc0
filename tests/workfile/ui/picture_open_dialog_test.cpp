// The open dialog's preview panel and preview window, driven offscreen.
#include "workfile/ui/picture_open_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <fstream>

#include "images/library_picture.h"
#include "support/temp_folder.h"
#include "workfile/compressed_work.h"
#include "workfile/open_preview.h"
#include "workfile/ui/modal_actions.h"
#include "workfile/work_fixture.h"

namespace lumena {
namespace {

namespace fs = std::filesystem;
using testing::WhenModal;

const fs::path kAstronaut = fs::path(LUMENA_SOURCE_DIR) / "third_party/samples/astronaut.png";
const QColor kRed(255, 0, 0);

Picture Red(int w, int h) {
  Picture p(w, h);
  for (Pixel& x : p.Pixels()) x = {0, 0, 255, 255};
  return p;
}

class PictureOpenDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::copy_file(kAstronaut, folder_ / "astronaut.png");
    ASSERT_EQ(SavePictureThroughLibrary(Red(40, 30), folder_ / "small.png", kFormatPng), 1);
    ASSERT_EQ(SavePictureThroughLibrary(Red(400, 100), folder_ / "wide.png", kFormatPng), 1);
    ASSERT_EQ(SavePictureThroughLibrary(Red(60, 300), folder_ / "tall.png", kFormatPng), 1);
    ASSERT_EQ(SavePictureThroughLibrary(Red(2000, 300), folder_ / "huge.png", kFormatPng), 1);
    folder_.Write("damaged.png", "\x89PNG\r\n\x1A\n and then nothing");
    folder_.Write("notes.png", "a text, not a picture\n");
    testing::WorkFixture work;
    work.Fill();
    WriteCompressedWork(folder_ / "look.lmc", work.Snapshot());
    dialog_.show();
  }

  void Select(const char* name) { dialog_.selectFile(QString::fromStdString((folder_ / name).string())); }
  QLabel& Label() { return *dialog_.findChild<QLabel*>("PictureLabel"); }
  QToolButton& Button() { return *dialog_.findChild<QToolButton*>("PreviewButton"); }
  QWidget& PaintBox() { return *dialog_.findChild<QWidget*>("PaintBox"); }

  testing::TempFolder folder_;
  const std::vector<FileFilter> filters_ = PortraitOpenFilters();
  TPictureOpenDialog dialog_{nullptr, filters_, folder_.Path()};
};

TEST_F(PictureOpenDialogTest, PanelSitsAtTheRightAndStartsEmpty) {
  const QWidget* panel = dialog_.findChild<QWidget*>("PicturePanel");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->size(), QSize(200, 169));
  const QWidget* files = dialog_.findChild<QWidget*>("splitter");
  EXPECT_LE(files->mapTo(&dialog_, QPoint(files->width(), 0)).x(), panel->mapTo(&dialog_, QPoint()).x());
  EXPECT_EQ(Label().text(), "Picture:");
  EXPECT_FALSE(Button().isEnabled());
  EXPECT_EQ(Button().toolTip(), "Preview");
  EXPECT_EQ(dialog_.directory().absolutePath().toStdString(), folder_.Path().string());
}

TEST_F(PictureOpenDialogTest, LabelAndButtonFollowTheSelectedFile) {
  struct Case {
    const char* file;
    const char* label;
  };
  // Alternating, so that each answer replaces a different one.
  for (const Case& c :
       {Case{"astronaut.png", " (512x512)"}, Case{"missing.png", "Picture:"}, Case{"small.png", " (40x30)"},
        Case{"damaged.png", "Picture:"}, Case{"look.lmc", " (150x150)"}, Case{"notes.png", "Picture:"}}) {
    SCOPED_TRACE(c.file);
    Select(c.file);
    EXPECT_EQ(Label().text(), c.label);
    EXPECT_EQ(Button().isEnabled(), std::string(c.label) != "Picture:");
  }
}

TEST_F(PictureOpenDialogTest, TypingANameInTheNameFieldPreviewsIt) {
  auto* edit = dialog_.findChild<QLineEdit*>("fileNameEdit");
  edit->setText("small.png");
  EXPECT_EQ(Label().text(), " (40x30)");
  edit->setText("small.pn");
  EXPECT_EQ(Label().text(), "Picture:");
}

bool IsRed(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)) == kRed; }

TEST_F(PictureOpenDialogTest, PaintBoxDrawsFittingPicturesCentredAndLargerOnesScaledFromTheTopLeft) {
  struct Case {
    const char* file;
    int width, height;
  };
  for (const Case& c : {Case{"small.png", 40, 30}, Case{"wide.png", 400, 100}, Case{"tall.png", 60, 300}}) {
    SCOPED_TRACE(c.file);
    Select(c.file);
    const QImage shot = PaintBox().grab().toImage();
    const Rect r = OpenPreviewPlace(c.width, c.height, shot.width(), shot.height());
    ASSERT_LE(r.right, shot.width());
    ASSERT_LE(r.bottom, shot.height());
    const auto redAt = [&](int x, int y) { return shot.rect().contains(x, y) && IsRed(shot, x, y); };
    // Inside, one pixel in from the edges; outside, one pixel beyond them.
    EXPECT_TRUE(redAt(r.left + 1, r.top + 1));
    EXPECT_TRUE(redAt(r.right - 2, r.bottom - 2));
    EXPECT_TRUE(redAt((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    EXPECT_FALSE(redAt(r.left - 1, r.top + 1));
    EXPECT_FALSE(redAt(r.left + 1, r.top - 1));
    EXPECT_FALSE(redAt(r.right, r.bottom - 2));
    EXPECT_FALSE(redAt(r.right - 2, r.bottom));
  }
  EXPECT_EQ(PaintBox().width(), 200 - 2 * 6) << "the panel's width inside its inset";
}

TEST_F(PictureOpenDialogTest, PaintBoxWithoutAPictureWritesNoneInTheMiddle) {
  Select("small.png");
  Select("damaged.png");
  const QImage shot = PaintBox().grab().toImage();
  const QRgb background = shot.pixel(0, 0);
  int inked = 0, inkedAtEdges = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) {
      EXPECT_FALSE(IsRed(shot, x, y));
      if (shot.pixel(x, y) == background) continue;
      const bool middle = std::abs(x - shot.width() / 2) < 40 && std::abs(y - shot.height() / 2) < 12;
      ++(middle ? inked : inkedAtEdges);
    }
  EXPECT_GT(inked, 20) << "the text";
  EXPECT_EQ(inkedAtEdges, 0);
}

// Opens the preview with `open` and checks the window while it is shown.
void ExpectPreviewWindow(const std::function<void()>& open, const QImage& picture) {
  bool seen = false;
  WhenModal([&](QWidget& window) {
    if (window.objectName() != "PreviewForm") return false;
    seen = true;
    EXPECT_EQ(window.windowTitle(), "Preview");
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::Tool));
    const QRect screen = window.screen()->availableGeometry();
    const QSize expected = (picture.size() + QSize(10, 10)).boundedTo(screen.size());
    EXPECT_EQ(window.size(), expected);
    EXPECT_LE((window.geometry().center() - screen.center()).manhattanLength(), 2) << "centred on the screen";
    if (window.size() == picture.size() + QSize(10, 10)) {
      const QImage shot = window.grab().toImage();
      for (const QPoint p : {QPoint(0, 0), QPoint(200, 100), QPoint(picture.width() - 1, picture.height() - 1)})
        EXPECT_EQ(shot.pixel(p + QPoint(5, 5)), picture.pixel(p)) << p.x() << ',' << p.y();
    }
    QTest::keyClick(&window, Qt::Key_Escape);
    return true;
  });
  open();
  EXPECT_TRUE(seen);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "Esc closed it";
}

TEST_F(PictureOpenDialogTest, PreviewButtonOrDoubleClickOpensThePictureAtItsSizeAndEscClosesIt) {
  const QImage astronaut(QString::fromStdString(kAstronaut.string()));
  Select("astronaut.png");
  ExpectPreviewWindow([&] { Button().click(); }, astronaut);
  ExpectPreviewWindow([&] { QTest::mouseDClick(&PaintBox(), Qt::LeftButton); }, astronaut);
}

TEST_F(PictureOpenDialogTest, PreviewOfAPictureLargerThanTheScreenStaysOnIt) {
  Select("huge.png");
  QImage huge(2000, 300, QImage::Format_ARGB32);
  huge.fill(kRed);
  ExpectPreviewWindow([&] { Button().click(); }, huge);
}

TEST_F(PictureOpenDialogTest, DoubleClickWithoutAPictureOpensNothing) {
  Select("notes.png");
  QTest::mouseDClick(&PaintBox(), Qt::LeftButton);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(PictureOpenDialogTest, RunGivesTheNameEnteredAndTheFilterChosen) {
  dialog_.hide();
  dialog_.selectNameFilter(QString::fromStdString(FilterText(filters_[3])));
  WhenModal([](QWidget& window) {
    window.findChild<QLineEdit*>("fileNameEdit")->setText("small.png");
    static_cast<QDialog&>(window).accept();
    return true;
  });
  EXPECT_EQ(dialog_.Run(), folder_ / "small.png");
  const std::optional<FileFilter> chosen = dialog_.ChosenFilter();
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->name, filters_[3].name);
  EXPECT_EQ(chosen->patterns, filters_[3].patterns);
}

TEST_F(PictureOpenDialogTest, RunCancelledGivesNothing) {
  dialog_.hide();
  WhenModal([](QWidget& window) {
    static_cast<QDialog&>(window).reject();
    return true;
  });
  EXPECT_EQ(dialog_.Run(), std::nullopt);
}

}  // namespace
}  // namespace lumena
