#include "workfile/work_file_reader.h"

#include <cerrno>
#include <exception>

#include "platform/file_error.h"
#include "platform/private_temp_folder.h"
#include "workfile/compound_file.h"
#include "workfile/compressed_work.h"
#include "workfile/safe_save.h"
#include "workfile/work_caps.h"
#include "workfile/work_file_error.h"
#include "workfile/work_kind.h"
#include "workfile/work_toc.h"

namespace lumena {

namespace {

// The windows follow the desk, also when placing the layers failed half-way.
class FollowDesk {
 public:
  explicit FollowDesk(TWorkDesk& desk) : desk_(desk) {}
  ~FollowDesk() {
    if (std::uncaught_exceptions() > failing_) desk_.RefreshAll();
    desk_.Observer().LayersListChanged();
    desk_.Observer().PortraitChanged();
  }
  FollowDesk(const FollowDesk&) = delete;
  FollowDesk& operator=(const FollowDesk&) = delete;

 private:
  TWorkDesk& desk_;
  int failing_ = std::uncaught_exceptions();
};

}  // namespace

StoredWork ReadStoredWork(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) ThrowFileError("Cannot open file", path, ec ? ec.value() : ENOENT);
  if (!IsCompressedWorkPath(path)) return ReadStoredWork(CompoundReader(path));
  const PrivateTempFolder temporary;
  const std::filesystem::path unpacked = temporary.Path() / "TempWork.lmu";
  UnpackCompressedWorkFile(path, unpacked);
  return ReadStoredWork(CompoundReader(unpacked));
}

void LoadWorkFromCompound(const CompoundReader& file, TWorkDesk& desk, PlacementAnchors& anchors) {
  StoredWork work = ReadStoredWork(file);
  PlaceStoredWork(work, desk, anchors);
}

void UnpackCompressedWorkFile(const std::filesystem::path& source, const std::filesystem::path& target) {
  const std::vector<uint8_t> bytes = ReadCompressedWorkFile(source);
  SafeSave save(target);
  {
    CompoundWriter writer(save.File(), target);
    UnpackCompressedWork(bytes, writer);
  }
  save.Commit();
}

WorkLoadOutcome LoadStoredWork(StoredWork& work, const std::filesystem::path& path, TWorkDesk& desk,
                               PlacementAnchors& anchors, PreviousWork previous) {
  WorkLoadOutcome outcome{true, path.stem().string()};
  desk.RecordAction(EditingAction::WorkOpened);
  if (desk.Count() > 0) {
    if (previous == PreviousWork::Clear) {
      desk.ClearWork();
      anchors.Clear();
    } else {
      outcome.workSaved = false;
    }
  }
  const FollowDesk follow(desk);
  PlaceStoredWork(work, desk, anchors);
  return outcome;
}

WorkLoadOutcome ReadWorkFile(const std::filesystem::path& path, TWorkDesk& desk, PlacementAnchors& anchors,
                             PreviousWork previous) {
  StoredWork work = ReadStoredWork(path);
  return LoadStoredWork(work, path, desk, anchors, previous);
}

std::vector<std::string> ReadWorkToc(const std::filesystem::path& path) {
  const std::vector<std::string> lines = IsCompressedWorkPath(path)
                                             ? SplitTocText(ParseCompressedWork(ReadCompressedWorkFile(path)).toc)
                                             : ReadTocLines(CompoundReader(path));
  CheckedLayerRecords(lines);
  return lines;
}

}  // namespace lumena
