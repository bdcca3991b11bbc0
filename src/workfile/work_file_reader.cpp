#include "workfile/work_file_reader.h"

#include "workfile/compound_file.h"

#include <exception>
#include <map>
#include <optional>

#include "images/file_bytes.h"
#include "platform/text.h"
#include "workfile/bmp_stream.h"
#include "workfile/compressed_work.h"
#include "workfile/private_temp_folder.h"
#include "workfile/safe_save.h"
#include "workfile/work_file_error.h"
#include "workfile/work_file_limits.h"
#include "workfile/work_kind.h"
#include "workfile/work_snapshot.h"
#include "workfile/work_toc.h"

namespace lumena {

namespace {

// Loaded layers by their stored name (upper case): a layer renamed because
// its name was taken on the desk is still found by the roles.
using LoadedLayers = std::map<std::string, TLayer*>;

std::vector<uint8_t> requiredStream(const CompoundReader& file, const std::string& name, size_t limit) {
  auto bytes = file.readStream(name, limit);
  if (!bytes) throw EWorkFileError("The work file has no stream " + name);
  return std::move(*bytes);
}

std::vector<std::string> tocLines(const CompoundReader& file) {
  const auto bytes = requiredStream(file, std::string(kTocStreamName), kMaxTocBytes);
  return SplitTocText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

TLayer& loadLayer(const CompoundReader& file, const TLayerRecord& record, TWorkDesk& desk) {
  const Picture picture = DecodeBmp32(requiredStream(file, BitmapStreamName(record.Name), kMaxLayerBitmapBytes));
  const auto mask = requiredStream(file, MaskStreamName(record.Name), kMaxMaskStreamBytes);
  auto layer = TLayer::CreateFromStored(desk, picture, record, mask);
  TLayer& placed = *layer;
  desk.InsertLayer(std::move(layer), 0);
  placed.RenderDesk();
  return placed;
}

TLayer* findRole(const std::string& name, const LoadedLayers& loaded, TWorkDesk& desk) {
  if (const auto it = loaded.find(toUpper(name)); it != loaded.end()) return it->second;
  const int index = desk.FindLayer(name);
  return index >= 0 ? &desk.Layer(index) : nullptr;
}

void applyRoles(const WorkRoles& roles, const LoadedLayers& loaded, TWorkDesk& desk) {
  if (!roles.portrait.empty()) desk.SetPortraitLayer(findRole(roles.portrait, loaded, desk));
  if (!roles.hand.empty()) desk.SetHandLayer(findRole(roles.hand, loaded, desk));
  if (!roles.body.empty()) desk.SetBodyLayer(findRole(roles.body, loaded, desk));
}

// The named active layer, else the one active before the load, else none.
void selectActive(const WorkRoles& roles, const LoadedLayers& loaded, TWorkDesk& desk, const TLayer* before) {
  const TLayer* named = roles.active.empty() ? nullptr : findRole(roles.active, loaded, desk);
  desk.SetActive(desk.IndexOf(named ? named : before));
}

}  // namespace

void LoadWorkFromCompound(const CompoundReader& file, TWorkDesk& desk, PlacementAnchors& anchors) {
  const TLayer* before = desk.ActiveLayer();
  const std::vector<std::string> lines = tocLines(file);
  LoadedLayers loaded;
  for (const std::string& line : lines) {
    if (!IsLayerLine(line)) continue;
    const TLayerRecord record = ParseLayerLine(line);
    loaded.emplace(toUpper(record.Name), &loadLayer(file, record, desk));
  }
  WorkRoles roles;
  for (const std::string& line : lines) ApplyFixedTocLine(line, roles, anchors);
  applyRoles(roles, loaded, desk);
  desk.RenderAll();
  desk.RefreshAll();
  selectActive(roles, loaded, desk, before);
}

void UnpackCompressedWorkFile(const std::filesystem::path& source, const std::filesystem::path& target) {
  std::vector<uint8_t> bytes;
  try {
    bytes = ReadFileBytes(source);
  } catch (const std::exception& e) {
    throw EWorkFileError(e.what());
  }
  SafeSave save(target);
  {
    CompoundWriter writer(save.file(), target);
    UnpackCompressedWork(bytes, writer);
  }
  save.commit();
}

WorkLoadOutcome ReadWorkFile(const std::filesystem::path& path, TWorkDesk& desk, DeskHost& host,
                             PlacementAnchors& anchors) {
  WorkLoadOutcome outcome;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return outcome;
  outcome.loaded = true;
  outcome.workName = path.stem().string();
  host.RecordAction(EditingAction::WorkOpened);
  if (desk.Count() > 0) {
    if (host.Confirm("ConfirmClearPrevWork", "")) {
      desk.ClearWork();
      anchors.clear();
    } else {
      outcome.workSaved = false;
    }
  }
  const BusyCursor busy(host);
  std::optional<PrivateTempFolder> temporary;
  std::filesystem::path source = path;
  if (IsCompressedWorkPath(path)) {
    temporary.emplace();
    source = temporary->path() / "TempWork.lmu";
    UnpackCompressedWorkFile(path, source);
  }
  // The windows follow the desk also when a damaged file stopped the load
  // after some of its layers.
  struct ShowDesk {
    TWorkDesk& desk;
    DeskHost& host;
    int failing = std::uncaught_exceptions();
    ~ShowDesk() {
      if (std::uncaught_exceptions() > failing) desk.RefreshAll();
      host.RefreshLayersList();
      host.PortraitChanged();
    }
  } show{desk, host};
  LoadWorkFromCompound(CompoundReader(source), desk, anchors);
  return outcome;
}

std::vector<std::string> ReadWorkToc(const std::filesystem::path& path) {
  if (!IsCompressedWorkPath(path)) return tocLines(CompoundReader(path));
  try {
    return SplitTocText(ParseCompressedWork(ReadFileBytes(path)).toc);
  } catch (const std::system_error& e) {
    throw EWorkFileError(e.what());
  }
}

}  // namespace lumena
