// The compressed work reader on arbitrary bytes: the file is cut into its
// blocks, unpacked into a compound file in memory and, when that worked,
// loaded onto a desk. Every failure must be an EWorkFileError.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "work/desk_observer.h"
#include "work/work_desk.h"
#include "workfile/compound_file.h"
#include "workfile/compressed_work.h"
#include "workfile/work_file_error.h"
#include "workfile/work_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumena;
  const std::span<const uint8_t> bytes(data, size);
  std::vector<uint8_t> compound;
  try {
    CompoundWriter writer;
    UnpackCompressedWork(bytes, writer);
    compound = writer.MemoryBytes();
  } catch (const EWorkFileError&) {
    return 0;
  }
  if (compound.empty()) std::abort();
  DeskObserver observer;
  TWorkDesk desk(observer, DeskGeometry{});
  PlacementAnchors anchors;
  try {
    LoadWorkFromCompound(CompoundReader(compound), desk, anchors);
  } catch (const EWorkFileError&) {
  }
  return 0;
}
