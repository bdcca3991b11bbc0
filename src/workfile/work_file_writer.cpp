#include "workfile/work_file_writer.h"

#include "workfile/bmp_stream.h"
#include "workfile/compound_file.h"
#include "workfile/safe_save.h"
#include "workfile/work_preview.h"

namespace lumena {

namespace {

void writeLayer(CompoundWriter& writer, const TLayer& layer) {
  writer.addStream(BitmapStreamName(layer.Name()), EncodeBmp32(layer.WorkPicture()));
  std::vector<uint8_t> mask;
  layer.Mask().WriteMaskStream(mask);
  writer.addStream(MaskStreamName(layer.Name()), mask);
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
    CompoundWriter writer(save.file(), path);
    writer.addStream(kTocStreamName, TextBytes(UncompressedTocText(work.TocLines())));
    writer.addStream(kPreviewStreamName,
                     MakePreviewJpeg(work.workPicture, kWorkPreviewSide, kWorkPreviewSide, kWhite));
    for (size_t k = 0; k < work.layers.size(); ++k) {
      writeLayer(writer, *work.layers[k]);
      if (progress) progress(static_cast<int>(k + 1));
    }
    writer.finish();
  }
  save.commit();
}

}  // namespace lumena
