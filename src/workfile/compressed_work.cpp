#include "workfile/compressed_work.h"

#include "images/byte_cursor.h"
#include "images/byte_writer.h"
#include "images/file_bytes.h"
#include "images/jpeg_alpha.h"
#include "images/zlib_stream.h"
#include "platform/text.h"
#include "workfile/bmp_stream.h"
#include "workfile/compound_file.h"
#include "workfile/parallel_jobs.h"
#include "workfile/safe_save.h"
#include "workfile/work_caps.h"
#include "workfile/work_file_error.h"
#include "workfile/work_file_limits.h"
#include "workfile/work_file_writer.h"
#include "workfile/work_preview.h"
#include "workfile/work_toc.h"

namespace lumena {

namespace {

constexpr size_t kFixedTocLines = 5;

void put32(std::vector<uint8_t>& out, size_t value) {
  if (value > UINT32_MAX) throw EWorkFileError("A block of the work is too large");
  ByteWriter(out).u32le(static_cast<uint32_t>(value));
}

void putBlock(std::vector<uint8_t>& out, std::span<const uint8_t> block) {
  put32(out, block.size());
  ByteWriter(out).bytes(block);
}

std::string compressedTocText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// Length-prefixed blocks of the layer: its picture and its mask stream.
std::vector<uint8_t> layerBlocks(const TLayer& layer) {
  std::vector<uint8_t> blocks;
  putBlock(blocks, EncodeJpegAlpha(layer.WorkPicture(), kCompressedLayerQuality));
  std::vector<uint8_t> mask;
  layer.Mask().WriteMaskStream(mask);
  putBlock(blocks, mask);
  return blocks;
}

// The parts of the file in order, each encoded by a job of its own: the
// head (N, the table, the preview) and one part per layer.
std::vector<ByteJob> encodingJobs(const WorkSnapshot& work) {
  std::vector<ByteJob> jobs;
  jobs.emplace_back([&work] {
    std::vector<uint8_t> head;
    put32(head, work.layers.size());
    putBlock(head, DeflateStream(TextBytes(compressedTocText(work.TocLines()))));
    putBlock(head, DeflateStream(MakePreviewJpeg(work.workPicture, kWorkPreviewSide, kWorkPreviewSide, kWhite)));
    return head;
  });
  for (const TLayer* layer : work.layers) jobs.emplace_back([layer] { return layerBlocks(*layer); });
  return jobs;
}

std::span<const uint8_t> takeBlock(ByteCursor& cursor, const char* what) {
  const auto length = cursor.u32le();
  if (!length || *length > cursor.remaining())
    throw EWorkFileError(std::string("Damaged compressed work: the ") + what + " is cut short");
  return cursor.take(*length);
}

std::vector<uint8_t> inflateBlock(std::span<const uint8_t> block, size_t limit, const char* what) {
  auto content = InflateStream(block, limit);
  if (!content) throw EWorkFileError(std::string("Damaged compressed work: cannot unpack the ") + what);
  return std::move(*content);
}

// The opacity plane's length is the picture's pixel count (the decoder makes
// the JPEG cover no more), so the container's two lengths tell its pixels
// and its inflated size before anything is decoded. Gives the pixels; a
// container too damaged to tell gives 0 and fails to decode.
uint64_t checkedContainer(std::span<const uint8_t> block, const std::string& layerName, PixelBudget& pixels,
                          InflationBudget& inflated) {
  Inflater inflater(block);
  if (!inflater.fillTo(kLayerContainerHeadBytes) || inflater.output().size() < kLayerContainerHeadBytes) return 0;
  ByteCursor head(inflater.output());
  const uint64_t jpegBytes = *head.u32le();
  const uint64_t planeBytes = *head.u32le();
  pixels.take(planeBytes, layerName);
  if (jpegBytes > MaxLayerJpegBytes(planeBytes))
    throw EWorkFileError("The work is refused: the picture of layer " + layerName + " claims a JPEG too large for it");
  inflated.take(kLayerContainerHeadBytes + jpegBytes + planeBytes, "picture of layer " + layerName);
  return planeBytes;
}

}  // namespace

std::vector<uint8_t> EncodeCompressedWork(const WorkSnapshot& work, unsigned threads) {
  std::vector<uint8_t> bytes;
  RunJobsInOrder(encodingJobs(work), threads,
                 [&](size_t, std::vector<uint8_t>&& part) { bytes.insert(bytes.end(), part.begin(), part.end()); });
  return bytes;
}

void WriteCompressedWork(const std::filesystem::path& path, const WorkSnapshot& work, const SaveProgress& progress,
                         unsigned threads) {
  SafeSave save(path);
  RunJobsInOrder(encodingJobs(work), threads, [&](size_t index, std::vector<uint8_t>&& part) {
    save.write(part);
    if (index > 0 && progress) progress(static_cast<int>(index));
  });
  save.commit();
}

CompressedWork ParseCompressedWork(std::span<const uint8_t> bytes) {
  ByteCursor cursor(bytes);
  const auto count = cursor.u32le();
  if (!count) throw EWorkFileError("Damaged compressed work: no layer count");
  CompressedWork work;
  const auto toc = inflateBlock(takeBlock(cursor, "table of contents"), kMaxTocBytes, "table of contents");
  work.toc.assign(toc.begin(), toc.end());
  work.preview = inflateBlock(takeBlock(cursor, "preview"), kMaxPreviewBytes, "preview");
  if (*count > kMaxWorkLayers)
    throw EWorkFileError("The work is refused: it has more than " + std::to_string(kMaxWorkLayers) + " layers");
  // Each layer takes at least its two lengths.
  if (*count > cursor.remaining() / 8)
    throw EWorkFileError("Damaged compressed work: " + std::to_string(*count) + " layers claimed");
  work.layers.reserve(*count);
  for (uint32_t k = 0; k < *count; ++k) {
    CompressedLayerBlocks layer;
    layer.picture = takeBlock(cursor, "layer picture");
    layer.mask = takeBlock(cursor, "layer mask");
    work.layers.push_back(layer);
  }
  return work;
}

void UnpackCompressedWork(std::span<const uint8_t> bytes, CompoundWriter& target) {
  const CompressedWork work = ParseCompressedWork(bytes);
  const std::vector<std::string> lines = SplitTocText(work.toc);
  if (lines.size() < kFixedTocLines + work.layers.size())
    throw EWorkFileError("Damaged compressed work: the table lists fewer layers than the file holds");
  const std::vector<std::string> written(lines.begin(), lines.begin() + kFixedTocLines + work.layers.size());
  // The table's claims are checked before any picture is decoded.
  const std::vector<TLayerRecord> records = CheckedLayerRecords(std::span(written).subspan(kFixedTocLines));
  if (records.size() != work.layers.size())
    throw EWorkFileError("Damaged compressed work: the table lists fewer layers than the file holds");
  InflationBudget inflated;
  inflated.take(work.toc.size(), "table of contents");
  inflated.take(work.preview.size(), "preview");
  PixelBudget pixels;
  target.addStream(kTocStreamName, TextBytes(UncompressedTocText(written)));
  target.addStream(kPreviewStreamName, work.preview);
  for (size_t k = 0; k < work.layers.size(); ++k) {
    const std::string& name = records[k].Name;
    const uint64_t cells = checkedContainer(work.layers[k].picture, name, pixels, inflated);
    if (const auto picture = DecodeJpegAlpha(work.layers[k].picture))
      target.addStream(BitmapStreamName(name), EncodeBmp32(*picture));
    inflated.take(CheckedMaskContentBytes(work.layers[k].mask, cells, name), "mask of layer " + name);
    target.addStream(MaskStreamName(name), work.layers[k].mask);
  }
  target.finish();
}

std::vector<uint8_t> ReadCompressedWorkFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) throw EWorkFileError("No work file " + path.string());
  if (std::filesystem::file_size(path, ec) > kMaxCompressedWorkFileBytes && !ec)
    throw EWorkFileError("The work is refused: " + path.string() + " is larger than any work can be");
  try {
    return ReadFileBytes(path);
  } catch (const std::exception& e) {
    throw EWorkFileError(e.what());
  }
}

bool UnpackCompressedWork(const std::filesystem::path& source, const std::filesystem::path& target) {
  try {
    const std::vector<uint8_t> bytes = ReadCompressedWorkFile(source);
    SafeSave save(target);
    {
      CompoundWriter writer(save.file(), target);
      UnpackCompressedWork(bytes, writer);
    }
    save.commit();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace lumena
