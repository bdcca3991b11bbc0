#include "work_files.h"

#include <stdexcept>

#include "shell/product_identity.h"
#include "workfile/work_file_reader.h"
#include "workfile/work_saving.h"

namespace lumena::tool {

namespace {

// The largest table the program allows, so that no work is cut.
DeskGeometry largestTable() {
  DeskGeometry geometry;
  geometry.tableWidth = geometry.tableHeight = kMaxDeskTableSide;
  geometry.centreView();
  return geometry;
}

}  // namespace

LoadedWork::LoadedWork() : desk(host, largestTable()) {}

void LoadWork(const std::filesystem::path& path, LoadedWork& work) {
  ReadWorkFile(path, work.desk, work.host, work.anchors);
}

void SaveWork(LoadedWork& work, const std::filesystem::path& path) {
  lumena::SaveWork(path, work.desk, work.anchors, ProductIdentity.nameWithVersion);
}

Picture FullWorkImage(LoadedWork& work) {
  work.desk.BuildFullWorkImage();
  if (work.desk.FullWorkImage().empty()) throw std::runtime_error("the work has no visible layer");
  return work.desk.FullWorkImage();
}

}  // namespace lumena::tool
