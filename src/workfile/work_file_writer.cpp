#include "workfile/work_file_writer.h"

#include "workfile/bmp_stream.h"
#include "workfile/compound_file.h"
#include "workfile/safe_save.h"
#include "workfile/work_preview.h"

namespace lumena {

namespace {

void WriteLayer(CompoundWriter& writer, const TLayer& layer) {
  writer.AddStream(BitmapStreamName(layer.Name()), EncodeBmp32(layer.WorkPicture()));
  std::vector<uint8_t> mask;
  layer.Mask().WriteMaskStream(mask);
  writer.AddStream(MaskStreamName(layer.Name()), mask);
}

}  // namespace

std::string UncompressedTocText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + '\r';
  return text;
}

void WriteWorkFile(const std::filesystem::path& path, const WorkSnapshot& work, const SaveProgress& progress) {
  SafeSave save(path);
  {
    CompoundWriter writer(save.File(), path);
    writer.AddStream(kTocStreamName, TextBytes(UncompressedTocText(work.TocLines())));
    writer.AddStream(kPreviewStreamName, MakePreviewJpeg(work.workPicture, kWorkPreviewSide, kWorkPreviewSide, kWhite));
    for (size_t k = 0; k < work.layers.size(); ++k) {
      WriteLayer(writer, *work.layers[k]);
      if (progress) progress(static_cast<int>(k + 1));
    }
    writer.Finish();
  }
  save.Commit();
}

}  // namespace lumena
