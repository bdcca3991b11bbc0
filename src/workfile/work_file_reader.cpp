#include "workfile/work_file_reader.h"

#include <exception>
#include <optional>

#include "workfile/compound_file.h"
#include "workfile/compressed_work.h"
#include "workfile/private_temp_folder.h"
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
  FollowDesk(TWorkDesk& desk, DeskHost& host) : desk_(desk), host_(host) {}
  ~FollowDesk() {
    if (std::uncaught_exceptions() > failing_) desk_.RefreshAll();
    host_.RefreshLayersList();
    host_.PortraitChanged();
  }
  FollowDesk(const FollowDesk&) = delete;
  FollowDesk& operator=(const FollowDesk&) = delete;

 private:
  TWorkDesk& desk_;
  DeskHost& host_;
  int failing_ = std::uncaught_exceptions();
};

}  // namespace

StoredWork ReadStoredWork(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) throw EWorkFileError("No work file " + path.string());
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

WorkLoadOutcome ReadWorkFile(const std::filesystem::path& path, TWorkDesk& desk, DeskHost& host,
                             PlacementAnchors& anchors, const ClearPrevWorkQuestion& clearPrevWork) {
  std::optional<BusyCursor> busy(std::in_place, host);
  StoredWork work = ReadStoredWork(path);
  WorkLoadOutcome outcome{true, path.stem().string()};
  host.RecordAction(EditingAction::WorkOpened);
  if (desk.Count() > 0) {
    busy.reset();  // no hourglass over the question
    const bool clear = clearPrevWork ? clearPrevWork() : host.Confirm("ConfirmClearPrevWork", "");
    busy.emplace(host);
    if (clear) {
      desk.ClearWork();
      anchors.Clear();
    } else {
      outcome.workSaved = false;
    }
  }
  const FollowDesk follow(desk, host);
  PlaceStoredWork(work, desk, anchors);
  return outcome;
}

std::vector<std::string> ReadWorkToc(const std::filesystem::path& path) {
  const std::vector<std::string> lines = IsCompressedWorkPath(path)
                                             ? SplitTocText(ParseCompressedWork(ReadCompressedWorkFile(path)).toc)
                                             : ReadTocLines(CompoundReader(path));
  CheckedLayerRecords(lines);
  return lines;
}

}  // namespace lumena
