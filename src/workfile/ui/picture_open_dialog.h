#pragma once
// The open dialog for portraits and works: the file dialog with a panel at
// its right that previews the selected file and opens it larger.
#include <QFileDialog>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "workfile/file_filters.h"

class QLabel;
class QToolButton;

namespace lumena {

class TPreviewPaintBox;

class TPictureOpenDialog : public QFileDialog {
  Q_OBJECT

 public:
  // Starts in `folder` with the first filter chosen.
  TPictureOpenDialog(QWidget* parent, std::span<const FileFilter> filters, const std::filesystem::path& folder);

  // Runs the dialog modally: the chosen file, or nothing when cancelled.
  std::optional<std::filesystem::path> Run();
  // The filter in use, for the extension a name typed without one gets.
  std::optional<FileFilter> ChosenFilter() const;

 private:
  QWidget* MakePreviewPanel();
  void PreviewFile(const QString& path);
  void PreviewTypedName(const QString& name);
  void OpenPreviewWindow();

  std::vector<FileFilter> filters_;
  QLabel* pictureLabel_ = nullptr;
  QToolButton* previewButton_ = nullptr;
  TPreviewPaintBox* paintBox_ = nullptr;
  QString previewedPath_;
};

}  // namespace lumena
