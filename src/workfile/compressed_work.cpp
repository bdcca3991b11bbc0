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

void Put32(std::vector<uint8_t>& out, size_t value) {
  if (value > UINT32_MAX) throw EWorkFileError("A block of the work is too large");
  ByteWriter(out).U32le(static_cast<uint32_t>(value));
}

void PutBlock(std::vector<uint8_t>& out, std::span<const uint8_t> block) {
  Put32(out, block.size());
  ByteWriter(out).Bytes(block);
}

std::string CompressedTocText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// Length-prefixed blocks of the layer: its picture and its mask stream.
std::vector<uint8_t> LayerBlocks(const TLayer& layer) {
  std::vector<uint8_t> blocks;
  PutBlock(blocks, EncodeJpegAlpha(layer.WorkPicture(), kCompressedLayerQuality));
  std::vector<uint8_t> mask;
  layer.Mask().WriteMaskStream(mask);
  PutBlock(blocks, mask);
  return blocks;
}

// The parts of the file in order, each encoded by a job of its own: the
// head (N, the table, the preview) and one part per layer.
std::vector<ByteJob> EncodingJobs(const WorkSnapshot& work) {
  std::vector<ByteJob> jobs;
  jobs.emplace_back([&work] {
    std::vector<uint8_t> head;
    Put32(head, work.layers.size());
    PutBlock(head, DeflateStream(TextBytes(CompressedTocText(work.TocLines()))));
    PutBlock(head, DeflateStream(MakePreviewJpeg(work.workPicture, kWorkPreviewSide, kWorkPreviewSide, kWhite)));
    return head;
  });
  for (const TLayer* layer : work.layers) jobs.emplace_back([layer] { return LayerBlocks(*layer); });
  return jobs;
}

std::span<const uint8_t> TakeBlock(ByteCursor& cursor, const char* what) {
  const auto length = cursor.U32le();
  if (!length || *length > cursor.Remaining())
    throw EWorkFileError(std::string("Damaged compressed work: the ") + what + " is cut short");
  return cursor.Take(*length);
}

std::vector<uint8_t> InflateBlock(std::span<const uint8_t> block, size_t limit, const char* what) {
  auto content = InflateStream(block, limit);
  if (!content) throw EWorkFileError(std::string("Damaged compressed work: cannot unpack the ") + what);
  return std::move(*content);
}

// The opacity plane's length is the picture's pixel count (the decoder makes
// the JPEG cover no more), so the container's two lengths tell its pixels
// and its inflated size before anything is decoded. Gives the pixels; a
// container too damaged to tell gives 0 and fails to decode.
uint64_t CheckedContainer(std::span<const uint8_t> block, const std::string& layerName, PixelBudget& pixels,
                          InflationBudget& inflated) {
  Inflater inflater(block);
  if (!inflater.FillTo(kLayerContainerHeadBytes) || inflater.Output().size() < kLayerContainerHeadBytes) return 0;
  ByteCursor head(inflater.Output());
  const uint64_t jpegBytes = *head.U32le();
  const uint64_t planeBytes = *head.U32le();
  pixels.Take(planeBytes, layerName);
  if (jpegBytes > MaxLayerJpegBytes(planeBytes))
    throw EWorkFileError("The work is refused: the picture of layer " + layerName + " claims a JPEG too large for it");
  inflated.Take(kLayerContainerHeadBytes + jpegBytes + planeBytes, "picture of layer " + layerName);
  return planeBytes;
}

}  // namespace

std::vector<uint8_t> EncodeCompressedWork(const WorkSnapshot& work, unsigned threads) {
  std::vector<uint8_t> bytes;
  RunJobsInOrder(EncodingJobs(work), threads,
                 [&](size_t, std::vector<uint8_t>&& part) { bytes.insert(bytes.end(), part.begin(), part.end()); });
  return bytes;
}

void WriteCompressedWork(const std::filesystem::path& path, const WorkSnapshot& work, const SaveProgress& progress,
                         unsigned threads) {
  SafeSave save(path);
  RunJobsInOrder(EncodingJobs(work), threads, [&](size_t index, std::vector<uint8_t>&& part) {
    save.Write(part);
    if (index > 0 && progress) progress(static_cast<int>(index));
  });
  save.Commit();
}

CompressedWork ParseCompressedWork(std::span<const uint8_t> bytes) {
  ByteCursor cursor(bytes);
  const auto count = cursor.U32le();
  if (!count) throw EWorkFileError("Damaged compressed work: no layer count");
  CompressedWork work;
  const auto toc = InflateBlock(TakeBlock(cursor, "table of contents"), kMaxTocBytes, "table of contents");
  work.toc.assign(toc.begin(), toc.end());
  work.preview = InflateBlock(TakeBlock(cursor, "preview"), kMaxPreviewBytes, "preview");
  if (*count > kMaxWorkLayers)
    throw EWorkFileError("The work is refused: it has more than " + std::to_string(kMaxWorkLayers) + " layers");
  // Each layer takes at least its two lengths.
  if (*count > cursor.Remaining() / 8)
    throw EWorkFileError("Damaged compressed work: " + std::to_string(*count) + " layers claimed");
  work.layers.reserve(*count);
  for (uint32_t k = 0; k < *count; ++k) {
    CompressedLayerBlocks layer;
    layer.picture = TakeBlock(cursor, "layer picture");
    layer.mask = TakeBlock(cursor, "layer mask");
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
  inflated.Take(work.toc.size(), "table of contents");
  inflated.Take(work.preview.size(), "preview");
  PixelBudget pixels;
  target.AddStream(kTocStreamName, TextBytes(UncompressedTocText(written)));
  target.AddStream(kPreviewStreamName, work.preview);
  for (size_t k = 0; k < work.layers.size(); ++k) {
    const std::string& name = records[k].Name;
    const uint64_t cells = CheckedContainer(work.layers[k].picture, name, pixels, inflated);
    if (const auto picture = DecodeJpegAlpha(work.layers[k].picture))
      target.AddStream(BitmapStreamName(name), EncodeBmp32(*picture));
    inflated.Take(CheckedMaskContentBytes(work.layers[k].mask, cells, name), "mask of layer " + name);
    target.AddStream(MaskStreamName(name), work.layers[k].mask);
  }
  target.Finish();
}

std::vector<uint8_t> ReadCompressedWorkFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::file_size(path, ec) > kMaxCompressedWorkFileBytes && !ec)
    throw EWorkFileError("The work is refused: " + path.string() + " is larger than any work can be");
  return ReadFileBytes(path);
}

bool UnpackCompressedWork(const std::filesystem::path& source, const std::filesystem::path& target) {
  try {
    const std::vector<uint8_t> bytes = ReadCompressedWorkFile(source);
    SafeSave save(target);
    {
      CompoundWriter writer(save.File(), target);
      UnpackCompressedWork(bytes, writer);
    }
    save.Commit();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace lumena
