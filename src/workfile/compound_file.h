#pragma once
// Compound files (OLE structured storage) through libgsf: a root storage
// holding named streams. Only what work files need: writing whole streams
// in order, and reading a stream by name without regard to case.
#include <gsf/gsf.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumena {

struct GObjectUnref {
  void operator()(void* object) const;
};
template <typename T>
using GsfHandle = std::unique_ptr<T, GObjectUnref>;

class CompoundWriter {
 public:
  // Writes into an open file that stays the caller's; it is flushed on
  // finish().
  explicit CompoundWriter(std::FILE* file, const std::filesystem::path& name);
  // Writes into memory (tests and fuzzing).
  CompoundWriter();
  ~CompoundWriter();
  CompoundWriter(const CompoundWriter&) = delete;
  CompoundWriter& operator=(const CompoundWriter&) = delete;

  // Creates a stream with the bytes. Throws EFileError on a storage error,
  // EWorkFileError for a name the format cannot hold.
  void AddStream(std::string_view name, std::span<const uint8_t> bytes);
  // Closes the storage; throws EFileError when that fails.
  void Finish();
  // The whole file, for a writer made on memory, after finish().
  std::vector<uint8_t> MemoryBytes() const;

 private:
  GsfHandle<GsfOutput> sink_;
  GsfHandle<GsfOutfile> root_;
  bool finished_ = false;
};

class CompoundReader {
 public:
  // Throws EFileError when the file cannot be opened, EWorkFileError when
  // it is no compound file.
  explicit CompoundReader(const std::filesystem::path& path);
  // Reads a file held in memory; the bytes must outlive the reader.
  explicit CompoundReader(std::span<const uint8_t> bytes);
  ~CompoundReader();
  CompoundReader(const CompoundReader&) = delete;
  CompoundReader& operator=(const CompoundReader&) = delete;

  // The streams of the root storage in directory order.
  std::vector<std::string> StreamNames() const;
  // The stream whose name matches without regard to case; nothing when
  // there is none. Throws EWorkFileError when it is larger than `limit` or
  // than the file itself, or cannot be read.
  std::optional<std::vector<uint8_t>> FindStream(std::string_view name, size_t limit) const;

 private:
  void Open(GsfHandle<GsfInput> source);

  GsfHandle<GsfInfile> root_;
  uint64_t containerSize_ = 0;
};

}  // namespace lumena
