#pragma once
// Copies of work files with parts replaced, for tests of damaged and
// hostile works.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "images/zlib_stream.h"
#include "workfile/compound_file.h"
#include "workfile/compressed_work.h"
#include "workfile/work_snapshot.h"

namespace lumena::testing {

// A copy of an uncompressed work, each stream passed through `change`
// (given its name and bytes) and then the streams `added`.
inline void CopyCompound(const std::filesystem::path& from, const std::filesystem::path& to,
                         const std::function<void(const std::string&, std::vector<uint8_t>&)>& change,
                         const std::vector<std::pair<std::string, std::vector<uint8_t>>>& added = {}) {
  std::FILE* f = std::fopen(to.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  {
    CompoundWriter writer(f, to);
    CompoundReader source(from);
    for (const std::string& name : source.StreamNames()) {
      std::vector<uint8_t> bytes = *source.FindStream(name, SIZE_MAX);
      change(name, bytes);
      writer.AddStream(name, bytes);
    }
    for (const auto& [name, bytes] : added) writer.AddStream(name, bytes);
    writer.Finish();
  }
  std::fclose(f);
}

// A copy of an uncompressed work with another table.
inline void CopyWithToc(const std::filesystem::path& from, const std::filesystem::path& to, const std::string& toc) {
  CopyCompound(from, to, [&](const std::string& name, std::vector<uint8_t>& bytes) {
    if (name == kTocStreamName) bytes.assign(toc.begin(), toc.end());
  });
}

inline void PutBlock(std::vector<uint8_t>& out, std::span<const uint8_t> block) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(block.size() >> shift));
  out.insert(out.end(), block.begin(), block.end());
}

// A compressed work put together from its parts: the table (inflated), the
// preview block as it is, and per layer its picture and mask blocks.
struct CompressedParts {
  std::string toc;
  std::vector<uint8_t> preview;
  std::vector<std::vector<uint8_t>> pictures;
  std::vector<std::vector<uint8_t>> masks;

  static CompressedParts Of(std::span<const uint8_t> bytes) {
    const CompressedWork work = ParseCompressedWork(bytes);
    CompressedParts parts{work.toc, work.preview, {}, {}};
    for (const auto& layer : work.layers) {
      parts.pictures.emplace_back(layer.picture.begin(), layer.picture.end());
      parts.masks.emplace_back(layer.mask.begin(), layer.mask.end());
    }
    return parts;
  }

  std::vector<uint8_t> Bytes() const {
    std::vector<uint8_t> out;
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(pictures.size() >> shift));
    PutBlock(out, DeflateStream(TextBytes(toc)));
    PutBlock(out, DeflateStream(preview));
    for (size_t k = 0; k < pictures.size(); ++k) {
      PutBlock(out, pictures[k]);
      PutBlock(out, masks[k]);
    }
    return out;
  }
};

}  // namespace lumena::testing
