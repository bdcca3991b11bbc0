// lumena-tool convert IN OUT [--quality N]
#include <optional>
#include <vector>

#include "picture_files.h"
#include "platform/text.h"
#include "tool_command.h"

namespace lumena::tool {

namespace {

constexpr int kDefaultQuality = 90;

struct ConvertOptions {
  std::vector<std::string> files;
  int quality = kDefaultQuality;
};

int parseQuality(std::string_view text) {
  const std::optional<int> quality = parseInt(text);
  if (!quality || *quality < 0 || *quality > 100)
    throw UsageError("--quality needs a number from 0 to 100, not \"" + std::string(text) + "\"");
  return *quality;
}

ConvertOptions parseOptions(Arguments arguments) {
  ConvertOptions options;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    if (word == "--quality") {
      if (i + 1 == arguments.size()) throw UsageError("--quality needs a value");
      options.quality = parseQuality(arguments[++i]);
    } else if (word.starts_with("--quality=")) {
      options.quality = parseQuality(std::string_view(word).substr(10));
    } else if (word.starts_with("--")) {
      throw UsageError("unknown option " + word);
    } else {
      options.files.push_back(word);
    }
  }
  if (options.files.size() != 2) throw UsageError("needs an input and an output file");
  return options;
}

}  // namespace

int RunConvert(Arguments arguments) {
  const ConvertOptions options = parseOptions(arguments);
  const PictureFile in = ReadPictureFile(options.files[0]);
  WritePictureFile(in.picture, options.files[1], options.quality);
  return 0;
}

}  // namespace lumena::tool
