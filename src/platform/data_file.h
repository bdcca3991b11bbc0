#pragma once
// The one checked way data files are read: only regular files, and only up
// to a size cap, so that a stored name pointing at a device, a pipe or a huge
// file can neither block the program nor exhaust its memory.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace lumena {

// The largest data file read (pictures, texts, works).
inline constexpr uint64_t kDataFileSizeLimit = uint64_t{256} << 20;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// Opens a data file for reading. Throws EFileError whose code is the errno
// value: the opening's own, EISDIR for a folder, ENODEV for anything
// else that is not a regular file, EFBIG beyond `limit` bytes. Opening never
// blocks, even on a pipe without a writer.
UniqueFile OpenDataFile(const std::filesystem::path& path, uint64_t limit = kDataFileSizeLimit);

// The whole data file, with the checks of OpenDataFile; a file that grows
// beyond `limit` while it is read fails with EFBIG too.
std::vector<uint8_t> ReadDataFile(const std::filesystem::path& path, uint64_t limit = kDataFileSizeLimit);

}  // namespace lumena
