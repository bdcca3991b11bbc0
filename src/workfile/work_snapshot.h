#pragma once
// What a save writes, taken from the desk: the table's fixed lines, the
// layers in stored order (the last layer of the work first) and the
// composed work picture for the preview.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "images/picture.h"
#include "portrait/placement_anchors.h"
#include "work/layer.h"
#include "work/work_desk.h"
#include "workfile/work_toc.h"

namespace lumena {

// Stream names of the files: the table and the preview.
inline constexpr std::string_view kTocStreamName = "ListFile.txt";
inline constexpr std::string_view kPreviewStreamName = "preview.jpg";
inline std::string BitmapStreamName(std::string_view layerName) { return std::string(layerName) + ".bmp"; }
inline std::string MaskStreamName(std::string_view layerName) { return std::string(layerName) + ".msk"; }

inline std::span<const uint8_t> TextBytes(std::string_view text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

struct WorkSnapshot {
  WorkHeader header;
  std::vector<const TLayer*> layers;  // stored order
  Picture workPicture;

  // The five fixed lines and one line per layer, without line ends.
  std::vector<std::string> TocLines() const;
};

// The desk must outlive the snapshot. Builds the desk's full work image.
// A layer without a picture shows nothing and cannot be stored as a
// bitmap, so it is left out.
WorkSnapshot SnapshotWork(TWorkDesk& desk, const PlacementAnchors& anchors, std::string_view version);

// Called after each layer was written (its number from 1), so that callers
// can follow a long save.
using SaveProgress = std::function<void(int layersWritten)>;

}  // namespace lumena
