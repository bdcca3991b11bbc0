#include "workfile/ui/picture_open_dialog.h"

#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

#include "images/ui/qt_picture.h"
#include "platform/ui/qt_text.h"
#include "workfile/open_preview.h"

namespace lumena {

namespace {

constexpr QSize kPanelSize{200, 169};
constexpr int kPanelInset = 6;
constexpr QSize kPreviewButtonSize{23, 22};
constexpr int kPreviewBorder = 5;

QRect ToQRect(const Rect& r) { return {r.left, r.top, static_cast<int>(r.Width()), static_cast<int>(r.Height())}; }

// The picture at its own size with a border, stretched when the user sizes
// the window; never larger than the screen.
class TPicturePreviewWindow : public QDialog {
 public:
  TPicturePreviewWindow(QWidget* parent, QImage picture) : QDialog(parent, Qt::Tool), picture_(std::move(picture)) {
    setObjectName("PreviewForm");
    setWindowTitle("Preview");
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    const QSize size = (picture_.size() + QSize(2 * kPreviewBorder, 2 * kPreviewBorder)).boundedTo(area.size());
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, area));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect().marginsRemoved(QMargins(kPreviewBorder, kPreviewBorder, kPreviewBorder, kPreviewBorder)),
                      picture_);
  }

 private:
  QImage picture_;
};

}  // namespace

// Shows the picture where OpenPreviewPlace puts it, or "(None)".
class TPreviewPaintBox : public QWidget {
 public:
  TPreviewPaintBox(QWidget* parent, std::function<void()> onDoubleClick)
      : QWidget(parent), onDoubleClick_(std::move(onDoubleClick)) {
    setObjectName("PaintBox");
  }

  const QImage& GetPicture() const { return picture_; }
  void SetPicture(QImage picture) {
    picture_ = std::move(picture);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (picture_.isNull()) {
      painter.drawText(rect(), Qt::AlignCenter, "(None)");
      return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(ToQRect(OpenPreviewPlace(picture_.width(), picture_.height(), width(), height())), picture_);
  }
  void mouseDoubleClickEvent(QMouseEvent*) override { onDoubleClick_(); }

 private:
  std::function<void()> onDoubleClick_;
  QImage picture_;
};

TPictureOpenDialog::TPictureOpenDialog(QWidget* parent, std::span<const FileFilter> filters,
                                       const std::filesystem::path& folder)
    : QFileDialog(parent), filters_(filters.begin(), filters.end()) {
  setOption(QFileDialog::DontUseNativeDialog);
  setAcceptMode(QFileDialog::AcceptOpen);
  setFileMode(QFileDialog::ExistingFile);
  QStringList names;
  for (const FileFilter& filter : filters_) names << ToQString(FilterText(filter));
  setNameFilters(names);
  setDirectory(QString::fromStdString(folder.string()));

  auto* grid = static_cast<QGridLayout*>(layout());
  grid->addWidget(MakePreviewPanel(), 0, grid->columnCount(), grid->rowCount(), 1, Qt::AlignTop);

  connect(this, &QFileDialog::currentChanged, this, &TPictureOpenDialog::PreviewFile);
  // Selecting a file by name, in code or by typing, changes only the name field.
  if (auto* nameEdit = findChild<QLineEdit*>("fileNameEdit"))
    connect(nameEdit, &QLineEdit::textChanged, this, &TPictureOpenDialog::PreviewTypedName);
  PreviewFile({});
}

QWidget* TPictureOpenDialog::MakePreviewPanel() {
  auto* panel = new QWidget(this);
  panel->setObjectName("PicturePanel");
  panel->setFixedSize(kPanelSize);
  pictureLabel_ = new QLabel(panel);
  pictureLabel_->setObjectName("PictureLabel");
  previewButton_ = new QToolButton(panel);
  previewButton_->setObjectName("PreviewButton");
  previewButton_->setToolTip("Preview");
  previewButton_->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
  previewButton_->setFixedSize(kPreviewButtonSize);
  connect(previewButton_, &QToolButton::clicked, this, &TPictureOpenDialog::OpenPreviewWindow);
  paintBox_ = new TPreviewPaintBox(panel, [this] { OpenPreviewWindow(); });

  auto* top = new QHBoxLayout;
  top->addWidget(pictureLabel_, 1);
  top->addWidget(previewButton_);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(kPanelInset, kPanelInset, kPanelInset, kPanelInset);
  column->addLayout(top);
  column->addWidget(paintBox_, 1);
  return panel;
}

void TPictureOpenDialog::PreviewFile(const QString& path) {
  if (!path.isEmpty() && path == previewedPath_) return;
  previewedPath_ = path;
  const std::optional<Picture> picture =
      path.isEmpty() ? std::nullopt : LoadOpenPreview(std::filesystem::path(path.toStdString()));
  pictureLabel_->setText(picture ? ToQString(OpenPreviewLabel(picture->Width(), picture->Height()))
                                 : ToQString(kNoPreviewLabel));
  previewButton_->setEnabled(picture.has_value());
  paintBox_->SetPicture(picture ? ToQImage(*picture) : QImage());
}

// The name as typed: the list's selection may still hold the file it was
// completed from.
void TPictureOpenDialog::PreviewTypedName(const QString& name) {
  PreviewFile(name.isEmpty() ? QString() : directory().absoluteFilePath(name));
}

void TPictureOpenDialog::OpenPreviewWindow() {
  if (paintBox_->GetPicture().isNull()) return;
  TPicturePreviewWindow window(this, paintBox_->GetPicture());
  window.exec();
}

std::optional<std::filesystem::path> TPictureOpenDialog::Run() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return std::filesystem::path(files.front().toStdString());
}

std::optional<FileFilter> TPictureOpenDialog::ChosenFilter() const {
  const QString chosen = selectedNameFilter();
  for (const FileFilter& filter : filters_)
    if (ToQString(FilterText(filter)).simplified() == chosen) return filter;
  return std::nullopt;
}

}  // namespace lumena
