#include "shell/ui/cursors.h"

#include <QPixmap>
#include <map>

#include "platform/data_file.h"
#include "platform/file_error.h"
#include "platform/stored_path.h"
#include "platform/text.h"

namespace lumena {

namespace {

struct RegisteredCursor {
  QCursor cursor;
  bool fromFile = false;
};

std::map<int, RegisteredCursor>& Registry() {
  static std::map<int, RegisteredCursor> cursors;
  return cursors;
}

Qt::CursorShape PlatformStandIn(int number) {
  switch (number) {
    case crHandFlat:
    case crHandFlatAll:
      return Qt::OpenHandCursor;
    case crHandGrab:
    case crHandGrabAll:
      return Qt::ClosedHandCursor;
    case crHandPoint:
    case crHandInfo:
    case crHand3D:
    case crHandVideo:
      return Qt::PointingHandCursor;
    default:
      return Qt::CrossCursor;
  }
}

std::map<std::string, QPoint> ReadHotSpots(const std::filesystem::path& folder) {
  std::map<std::string, QPoint> spots;
  const auto file = ResolveStoredPath(folder, kCursorHotSpotFile);
  if (!file) return spots;
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadDataFile(*file);
  } catch (const EFileError&) {
    return spots;
  }
  for (const std::string& line : SplitLines(std::string(bytes.begin(), bytes.end()))) {
    const auto fields = SplitRecordFields(line);
    if (fields.size() < 3) continue;
    const auto x = ParseInt(fields[1]), y = ParseInt(fields[2]);
    if (x && y) spots[ToUpper(fields[0])] = QPoint(*x, *y);
  }
  return spots;
}

}  // namespace

void RegisterCursors(const std::filesystem::path& programFolder) {
  const auto folder = ResolveStoredPath(programFolder, kCursorFolder);
  const auto spots = folder ? ReadHotSpots(*folder) : std::map<std::string, QPoint>{};
  for (const CursorName& c : kCursorNames) {
    RegisteredCursor registered{QCursor(PlatformStandIn(c.number)), false};
    const auto file = folder ? ResolveStoredPath(*folder, std::string(c.name) + ".png") : std::nullopt;
    QPixmap pixmap;
    if (file && pixmap.load(QString::fromStdString(file->string()))) {
      const auto spot = spots.find(std::string(c.name));
      const QPoint hot = spot != spots.end() ? spot->second : QPoint(0, 0);
      registered = {QCursor(pixmap, hot.x(), hot.y()), true};
    }
    Registry()[c.number] = registered;
  }
}

QCursor CursorFor(int number) {
  const auto it = Registry().find(number);
  return it != Registry().end() ? it->second.cursor : QCursor(Qt::ArrowCursor);
}

bool CursorLoadedFromFile(int number) {
  const auto it = Registry().find(number);
  return it != Registry().end() && it->second.fromFile;
}

}  // namespace lumena

namespace lumena {

QCursor DeskCursorShape(DeskCursor cursor) {
  switch (cursor) {
    case DeskCursor::Brush:
      return CursorFor(crBrush);
    case DeskCursor::Eraser:
      return CursorFor(crEraser);
    case DeskCursor::Pipette:
      return CursorFor(crPipette);
    case DeskCursor::Modify:
      return CursorFor(crModify);
    case DeskCursor::HandFlat:
      return CursorFor(crHandFlat);
    case DeskCursor::HandGrab:
      return CursorFor(crHandGrab);
    case DeskCursor::HandFlatAll:
      return CursorFor(crHandFlatAll);
    case DeskCursor::HandGrabAll:
      return CursorFor(crHandGrabAll);
    case DeskCursor::Rotate:
      return CursorFor(crRotate);
    case DeskCursor::SizeFrontDiagonal:
      return QCursor(Qt::SizeFDiagCursor);
    case DeskCursor::SizeBackDiagonal:
      return QCursor(Qt::SizeBDiagCursor);
    case DeskCursor::SizeHorizontal:
      return QCursor(Qt::SizeHorCursor);
    case DeskCursor::SizeVertical:
      return QCursor(Qt::SizeVerCursor);
    case DeskCursor::Arrow:
      break;
  }
  return QCursor(Qt::ArrowCursor);
}

}  // namespace lumena
