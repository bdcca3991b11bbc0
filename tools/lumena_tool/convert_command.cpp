// lumena-tool convert IN OUT [--quality N]: pictures, and works (".lmu",
// ".lmc") into works of either kind or into the picture of the whole work.
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <vector>

#include "images/library_picture.h"
#include "picture_files.h"
#include "platform/text.h"
#include "tool_command.h"
#include "work_files.h"
#include "workfile/picture_export.h"
#include "workfile/work_kind.h"

namespace lumena::tool {

namespace {

constexpr int kDefaultQuality = 90;

struct ConvertOptions {
  std::vector<std::string> files;
  int quality = kDefaultQuality;
};

int ParseQuality(std::string_view text) {
  const std::optional<int> quality = ParseInt(text);
  if (!quality || *quality < 0 || *quality > 100)
    throw UsageError("--quality needs a number from 0 to 100, not \"" + std::string(text) + "\"");
  return *quality;
}

ConvertOptions ParseOptions(Arguments arguments) {
  ConvertOptions options;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    if (word == "--quality") {
      if (i + 1 == arguments.size()) throw UsageError("--quality needs a value");
      options.quality = ParseQuality(arguments[++i]);
    } else if (word.starts_with("--quality=")) {
      options.quality = ParseQuality(std::string_view(word).substr(10));
    } else if (word.starts_with("--")) {
      throw UsageError("unknown option " + word);
    } else {
      options.files.push_back(word);
    }
  }
  if (options.files.size() != 2) throw UsageError("needs an input and an output file");
  return options;
}

// A work's picture in an export format is written as the program's own
// export writes it: only with room for it, and nothing half-written.
void WriteWorkPicture(LoadedWork& work, const std::filesystem::path& out, int quality) {
  if (!IsExportExtension(out.extension().string())) return WritePictureFile(FullWorkImage(work), out, quality);
  if (!ExportWorkPicture(FullWorkImage(work), out))
    throw std::runtime_error(out.string() + ": cannot write the picture (no room for it, or writing failed)");
}

}  // namespace

int RunConvert(Arguments arguments) {
  const ConvertOptions options = ParseOptions(arguments);
  const std::string& in = options.files[0];
  const std::string& out = options.files[1];
  if (IsWorkPath(in)) {
    LoadedWork work;
    LoadWork(in, work);
    if (IsWorkPath(out))
      SaveWork(work, out);
    else
      WriteWorkPicture(work, out, options.quality);
    return 0;
  }
  if (IsWorkPath(out)) throw UsageError("only a work converts into a work");
  WritePictureFile(ReadPictureFile(in).picture, out, options.quality);
  return 0;
}

}  // namespace lumena::tool
