#include "workfile/work_saving.h"

#include "workfile/compressed_work.h"
#include "workfile/work_file_writer.h"
#include "workfile/work_kind.h"
#include "workfile/work_snapshot.h"

namespace lumena {

void SaveWork(const std::filesystem::path& path, TWorkDesk& desk, const PlacementAnchors& anchors,
              std::string_view version) {
  const WorkSnapshot snapshot = SnapshotWork(desk, anchors, version);
  if (IsCompressedWorkPath(path))
    WriteCompressedWork(path, snapshot);
  else
    WriteWorkFile(path, snapshot);
}

}  // namespace lumena
