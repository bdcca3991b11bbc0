#include "workfile/ui/scanner_dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QListWidget>
#include <QProgressDialog>
#include <QVBoxLayout>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

#include "images/sane_scanner.h"
#include "platform/ui/busy_cursor.h"
#include "platform/ui/message_boxes.h"
#include "platform/ui/qt_text.h"

namespace lumena {

namespace {

constexpr std::string_view kNoScannerText = "No scanner was found.\rConnect the scanner, switch it on and try again.";

// Nothing after the message is shown: the caller has nothing to choose from.
std::optional<std::vector<ScannerDevice>> ListScannersOrTell() {
  std::vector<ScannerDevice> devices;
  try {
    const BusyCursor busy;
    devices = ListScanners();
  } catch (const EScanError& e) {
    ShowErrorBox(e.what());
    return std::nullopt;
  }
  if (devices.empty()) {
    ShowWarningBox(kNoScannerText);
    return std::nullopt;
  }
  return devices;
}

QListWidget* MakeDeviceList(QWidget* parent, const std::vector<ScannerDevice>& devices) {
  auto* list = new QListWidget(parent);
  list->setObjectName("ScannerList");
  for (const ScannerDevice& device : devices) {
    auto* item = new QListWidgetItem(ToQString(device.label.empty() ? device.name : device.label), list);
    item->setToolTip(ToQString(device.name));
  }
  list->setCurrentRow(0);
  return list;
}

struct ScanOutcome {
  std::optional<Picture> picture;
  std::optional<std::string> error;
  std::exception_ptr unexpected;  // rethrown on the caller's thread
};

ScanOutcome ScanCatching(const std::string& device, const ScanProgress& progress, const std::atomic<bool>& cancel) {
  ScanOutcome outcome;
  try {
    outcome.picture = ScanPicture(device, ScanRequest{}, progress, cancel);
  } catch (const EScanError& e) {
    outcome.error = e.what();
  } catch (...) {
    outcome.unexpected = std::current_exception();
  }
  return outcome;
}

void ShowScanProgress(QProgressDialog& dialog, int percent) {
  // A cancelled dialog would show itself again on the next value.
  if (dialog.wasCanceled()) return;
  if (percent == kScanProgressUnknown) {
    dialog.setRange(0, 0);  // busy
    return;
  }
  dialog.setRange(0, 100);
  dialog.setValue(percent);
}

void PrepareProgressDialog(QProgressDialog& dialog) {
  dialog.setObjectName("ScanProgress");
  dialog.setWindowTitle("Scanning");
  dialog.setLabelText("Scanning the picture...");
  dialog.setWindowModality(Qt::ApplicationModal);
  // It stays until the worker has ended, even at 100 percent.
  dialog.setAutoReset(false);
  dialog.setAutoClose(false);
  dialog.setMinimumDuration(0);
  dialog.setRange(0, 100);
  dialog.setValue(0);
}

}  // namespace

std::optional<std::string> ChooseScanner(QWidget* parent) {
  const std::optional<std::vector<ScannerDevice>> devices = ListScannersOrTell();
  if (!devices) return std::nullopt;
  QDialog dialog(parent);
  dialog.setObjectName("ScannerChoice");
  dialog.setWindowTitle("Select source");
  QListWidget* list = MakeDeviceList(&dialog, *devices);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
  auto* column = new QVBoxLayout(&dialog);
  column->addWidget(list);
  column->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
  return (*devices)[static_cast<size_t>(list->currentRow())].name;
}

std::optional<Picture> ScanWithProgress(QWidget* parent, std::string_view device) {
  QProgressDialog dialog(parent);
  PrepareProgressDialog(dialog);
  std::atomic<bool> cancel = false;
  QObject::connect(&dialog, &QProgressDialog::canceled, [&cancel] { cancel = true; });
  // Queued to the dialog, so they are dropped if it is gone before they run.
  const ScanProgress progress = [&dialog](int percent) {
    QMetaObject::invokeMethod(
        &dialog, [&dialog, percent] { ShowScanProgress(dialog, percent); }, Qt::QueuedConnection);
  };
  QEventLoop loop;
  ScanOutcome outcome;
  {
    const std::jthread worker([&, name = std::string(device)] {
      outcome = ScanCatching(name, progress, cancel);
      QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    dialog.show();
    loop.exec();
  }
  dialog.hide();
  if (outcome.unexpected) std::rethrow_exception(outcome.unexpected);
  if (outcome.error) ShowErrorBox(*outcome.error);
  return std::move(outcome.picture);
}

}  // namespace lumena
