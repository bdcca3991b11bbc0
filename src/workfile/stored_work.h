#pragma once
// A work read whole from a compound file and checked, before anything of it
// reaches a desk: loading first reads and checks everything, so that a
// damaged or refused work leaves the desk as it was.
#include <cstdint>
#include <string>
#include <vector>

#include "images/picture.h"
#include "portrait/placement_anchors.h"
#include "work/layer_record.h"
#include "work/work_desk.h"

namespace lumena {

class CompoundReader;

struct StoredLayer {
  TLayerRecord record;
  Picture picture;
  std::vector<uint8_t> maskStream;
};

struct StoredWork {
  std::vector<StoredLayer> layers;      // in table order
  std::vector<std::string> otherLines;  // the table's lines that are not layer lines
};

// The table's lines as stored. Throws EWorkFileError.
std::vector<std::string> ReadTocLines(const CompoundReader& file);

// Reads the table, checks it against the caps (CheckedLayerRecords), and
// reads and decodes every layer's bitmap and mask stream, weighing each
// picture against the caps before decoding it. Throws EWorkFileError.
StoredWork ReadStoredWork(const CompoundReader& file);

// Adds the work to the desk: each layer inserted at the front in table
// order and rendered, then the roles, anchors, nail marks and active layer
// (the one named, else the one active before, else none). The layers'
// pictures are moved out of the work.
void PlaceStoredWork(StoredWork& work, TWorkDesk& desk, PlacementAnchors& anchors);

}  // namespace lumena
