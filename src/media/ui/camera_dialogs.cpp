#include "media/ui/camera_dialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <cmath>

namespace lumena {

namespace {

std::string FrameRate(const CaptureFormat& format) {
  const auto rate = [](float r) { return std::to_string(std::lround(r)); };
  if (std::lround(format.minFrameRate) == std::lround(format.maxFrameRate)) return rate(format.maxFrameRate) + " fps";
  return rate(format.minFrameRate) + "–" + rate(format.maxFrameRate) + " fps";
}

}  // namespace

std::optional<std::vector<int>> ChooseSettings(QWidget* parent, const QString& title,
                                               std::span<const CaptureSetting> settings) {
  QDialog dialog(parent);
  dialog.setWindowTitle(title);
  auto* form = new QFormLayout(&dialog);
  std::vector<QComboBox*> lists;
  for (const CaptureSetting& s : settings) {
    auto* list = new QComboBox(&dialog);
    for (const std::string& choice : s.choices) list->addItem(QString::fromStdString(choice));
    list->setCurrentIndex(s.current);
    form->addRow(QString::fromStdString(s.name), list);
    lists.push_back(list);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  std::vector<int> chosen;
  for (const QComboBox* list : lists) chosen.push_back(list->currentIndex());
  return chosen;
}

std::string DescribeFormat(const CaptureFormat& format) {
  return std::to_string(format.width) + " × " + std::to_string(format.height) + ", " + format.pixelFormat + ", " +
         FrameRate(format);
}

}  // namespace lumena
