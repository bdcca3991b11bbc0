#include "work_files.h"

#include <stdexcept>

#include "shell/product_identity.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_saving.h"

namespace lumena::tool {

DeskGeometry LargestTable() {
  DeskGeometry geometry;
  geometry.tableWidth = geometry.tableHeight = kMaxDeskTableSide;
  geometry.CentreView();
  return geometry;
}

LoadedWork::LoadedWork(const DeskGeometry& geometry) : desk(observer, geometry) {}

void LoadWork(const std::filesystem::path& path, LoadedWork& work) { ReadWorkFile(path, work.desk, work.anchors); }

void SaveWork(LoadedWork& work, const std::filesystem::path& path) {
  lumena::SaveWork(path, work.desk, work.anchors, kProductIdentity.nameWithVersion);
}

Picture FullWorkImage(LoadedWork& work) {
  Picture picture = work.desk.TakeFullWorkImage();
  if (picture.Empty()) throw std::runtime_error("the work has no visible layer");
  return picture;
}

}  // namespace lumena::tool
