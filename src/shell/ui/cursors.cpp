#include "shell/ui/cursors.h"

#include <QPixmap>
#include <map>
#include <system_error>

#include "platform/data_file.h"
#include "platform/stored_path.h"
#include "platform/text.h"

namespace lumena {

namespace {

struct RegisteredCursor {
  QCursor cursor;
  bool fromFile = false;
};

std::map<int, RegisteredCursor>& registry() {
  static std::map<int, RegisteredCursor> cursors;
  return cursors;
}

Qt::CursorShape platformStandIn(int number) {
  switch (number) {
    case crHandFlat: case crHandFlatAll: return Qt::OpenHandCursor;
    case crHandGrab: case crHandGrabAll: return Qt::ClosedHandCursor;
    case crHandPoint: case crHandInfo: case crHand3D: case crHandVideo: return Qt::PointingHandCursor;
    default: return Qt::CrossCursor;
  }
}

std::map<std::string, QPoint> readHotSpots(const std::filesystem::path& folder) {
  std::map<std::string, QPoint> spots;
  const auto file = resolveStoredPath(folder, kCursorHotSpotFile);
  if (!file) return spots;
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadDataFile(*file);
  } catch (const std::system_error&) {
    return spots;
  }
  for (const std::string& line : splitLines(std::string(bytes.begin(), bytes.end()))) {
    const auto fields = splitRecordFields(line);
    if (fields.size() < 3) continue;
    const auto x = parseInt(fields[1]), y = parseInt(fields[2]);
    if (x && y) spots[toUpper(fields[0])] = QPoint(*x, *y);
  }
  return spots;
}

}  // namespace

void RegisterCursors(const std::filesystem::path& programFolder) {
  const auto folder = resolveStoredPath(programFolder, kCursorFolder);
  const auto spots = folder ? readHotSpots(*folder) : std::map<std::string, QPoint>{};
  for (const CursorName& c : kCursorNames) {
    RegisteredCursor registered{QCursor(platformStandIn(c.number)), false};
    const auto file = folder ? resolveStoredPath(*folder, std::string(c.name) + ".png") : std::nullopt;
    QPixmap pixmap;
    if (file && pixmap.load(QString::fromStdString(file->string()))) {
      const auto spot = spots.find(std::string(c.name));
      const QPoint hot = spot != spots.end() ? spot->second : QPoint(0, 0);
      registered = {QCursor(pixmap, hot.x(), hot.y()), true};
    }
    registry()[c.number] = registered;
  }
}

QCursor CursorFor(int number) {
  const auto it = registry().find(number);
  return it != registry().end() ? it->second.cursor : QCursor(Qt::ArrowCursor);
}

bool CursorLoadedFromFile(int number) {
  const auto it = registry().find(number);
  return it != registry().end() && it->second.fromFile;
}

}  // namespace lumena
