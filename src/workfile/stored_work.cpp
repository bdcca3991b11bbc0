#include "workfile/stored_work.h"

#include <map>

#include "platform/text.h"
#include "workfile/bmp_stream.h"
#include "workfile/compound_file.h"
#include "workfile/work_caps.h"
#include "workfile/work_file_error.h"
#include "workfile/work_file_limits.h"
#include "workfile/work_snapshot.h"
#include "workfile/work_toc.h"

namespace lumena {

namespace {

// Placed layers by their stored name (upper case): a layer renamed because
// its name was taken on the desk is still found by the roles.
using PlacedLayers = std::map<std::string, TLayer*>;

std::vector<uint8_t> RequiredStream(const CompoundReader& file, const std::string& name, size_t limit) {
  auto bytes = file.FindStream(name, limit);
  if (!bytes) throw EWorkFileError("The work file has no stream " + name);
  return std::move(*bytes);
}

StoredLayer ReadLayer(const CompoundReader& file, TLayerRecord record, PixelBudget& pixels) {
  const auto bitmap = RequiredStream(file, BitmapStreamName(record.Name), kMaxLayerBitmapBytes);
  const Bmp32Size size = ReadBmp32Size(bitmap);
  const uint64_t cells = uint64_t(size.width) * uint64_t(size.height);
  pixels.Take(cells, record.Name);
  StoredLayer layer{std::move(record), DecodeBmp32(bitmap), {}};
  layer.maskStream = RequiredStream(file, MaskStreamName(layer.record.Name), kMaxMaskStreamBytes);
  CheckedMaskContentBytes(layer.maskStream, cells, layer.record.Name);
  return layer;
}

TLayer* FindRole(const std::string& name, const PlacedLayers& placed, TWorkDesk& desk) {
  if (const auto it = placed.find(ToUpper(name)); it != placed.end()) return it->second;
  const int index = desk.FindLayer(name);
  return index >= 0 ? &desk.Layer(index) : nullptr;
}

void ApplyRoles(const WorkRoles& roles, const PlacedLayers& placed, TWorkDesk& desk) {
  if (!roles.portrait.empty()) desk.SetPortraitLayer(FindRole(roles.portrait, placed, desk));
  if (!roles.hand.empty()) desk.SetHandLayer(FindRole(roles.hand, placed, desk));
  if (!roles.body.empty()) desk.SetBodyLayer(FindRole(roles.body, placed, desk));
}

}  // namespace

std::vector<std::string> ReadTocLines(const CompoundReader& file) {
  const auto bytes = RequiredStream(file, std::string(kTocStreamName), kMaxTocBytes);
  return SplitTocText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

StoredWork ReadStoredWork(const CompoundReader& file) {
  const std::vector<std::string> lines = ReadTocLines(file);
  std::vector<TLayerRecord> records = CheckedLayerRecords(lines);
  StoredWork work;
  PixelBudget pixels;
  work.layers.reserve(records.size());
  for (TLayerRecord& record : records) work.layers.push_back(ReadLayer(file, std::move(record), pixels));
  for (const std::string& line : lines)
    if (!IsLayerLine(line)) work.otherLines.push_back(line);
  return work;
}

void PlaceStoredWork(StoredWork& work, TWorkDesk& desk, PlacementAnchors& anchors) {
  const TLayer* before = desk.ActiveLayer();
  PlacedLayers placed;
  for (StoredLayer& stored : work.layers) {
    auto layer = TLayer::CreateFromStored(desk, stored.picture, stored.record, stored.maskStream);
    stored.picture = Picture();
    TLayer& inserted = *layer;
    desk.InsertLayer(std::move(layer), 0);
    inserted.RenderDesk();
    placed.emplace(ToUpper(stored.record.Name), &inserted);
  }
  WorkRoles roles;
  for (const std::string& line : work.otherLines) ApplyFixedTocLine(line, roles, anchors);
  ApplyRoles(roles, placed, desk);
  desk.RenderAll();
  desk.RefreshAll();
  const TLayer* named = roles.active.empty() ? nullptr : FindRole(roles.active, placed, desk);
  desk.SetActive(desk.IndexOf(named ? named : before));
}

}  // namespace lumena
