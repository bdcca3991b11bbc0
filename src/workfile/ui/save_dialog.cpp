#include "workfile/ui/save_dialog.h"

#include <QFileDialog>
#include <QMessageBox>

#include "platform/ui/qt_text.h"

namespace lumena {

QStringList DialogFilters(std::span<const FileFilter> filters) {
  QStringList list;
  for (const FileFilter& filter : filters) list << ToQString(FilterText(filter));
  return list;
}

namespace {

// The dialog asked about the name as typed; a name the rule lengthened is
// asked about here.
bool MayWrite(QWidget* parent, const std::filesystem::path& chosen, const std::filesystem::path& target) {
  std::error_code ec;
  if (target == chosen || !std::filesystem::exists(target, ec)) return true;
  return QMessageBox::question(parent, parent ? parent->windowTitle() : QString(),
                               QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                                   .arg(ToQString(target.filename().string()))) == QMessageBox::Yes;
}

}  // namespace

std::optional<std::filesystem::path> AskSaveFile(QWidget* parent, const QString& title,
                                                 std::span<const FileFilter> filters,
                                                 const std::filesystem::path& folder, const std::string& proposedName,
                                                 SaveNameRule nameRule) {
  QFileDialog dialog(parent);
  dialog.setObjectName("SaveDialog");
  dialog.setWindowTitle(title);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QStringList names = DialogFilters(filters);
  dialog.setNameFilters(names);
  // A name typed without an extension gets the filter's before the dialog
  // asks about replacing a file.
  const auto extensionOf = [&](const QString& name) {
    const qsizetype index = names.indexOf(name);
    return index < 0 ? std::string() : FilterExtension(filters[static_cast<size_t>(index)]);
  };
  const auto followFilter = [&](const QString& name) { dialog.setDefaultSuffix(ToQString(extensionOf(name)).mid(1)); };
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followFilter);
  if (!names.isEmpty()) followFilter(names.front());
  // The program's own folders for saving may not be made yet.
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  dialog.setDirectory(ToQString(folder.string()));
  if (!proposedName.empty()) dialog.selectFile(ToQString(proposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const std::filesystem::path chosen = dialog.selectedFiles().front().toStdString();
  const std::filesystem::path target = nameRule(chosen, extensionOf(dialog.selectedNameFilter()));
  if (!MayWrite(parent, chosen, target)) return std::nullopt;
  return target;
}

}  // namespace lumena
