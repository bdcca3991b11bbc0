#include "workfile/compound_file.h"

#include <glib-object.h>

#include "platform/text.h"
#include "workfile/work_file_error.h"

namespace lumena {

namespace {

// Stream names of the format hold at most 31 characters.
constexpr size_t kMaxStreamName = 31;

// Takes the message of a GError and frees it.
std::string TakeMessage(GError*& error, std::string_view fallback) {
  std::string message(fallback);
  if (error) {
    message += ": ";
    message += error->message;
    g_error_free(error);
    error = nullptr;
  }
  return message;
}

std::string OutputError(GsfOutput* output, std::string_view what) {
  const GError* error = output ? gsf_output_error(output) : nullptr;
  return std::string(what) + (error ? std::string(": ") + error->message : std::string());
}

template <typename T>
GsfHandle<T> Adopt(T* object) {
  return GsfHandle<T>(object);
}

// The library reports no errno: the system's reason is in the message.
[[noreturn]] void StorageFailed(const std::string& message, const std::filesystem::path& path) {
  throw EFileError(message, path, std::make_error_code(std::errc::io_error));
}

void InitialiseLibrary() {
  static const bool done = [] {
    gsf_init();
    return true;
  }();
  (void)done;
}

}  // namespace

void GObjectUnref::operator()(void* object) const {
  if (object) g_object_unref(object);
}

CompoundWriter::CompoundWriter(std::FILE* file, const std::filesystem::path& name) {
  InitialiseLibrary();
  sink_ = Adopt(gsf_output_stdio_new_FILE(name.c_str(), file, TRUE));
  if (!sink_) StorageFailed("Cannot write " + name.string(), name);
  root_ = Adopt(gsf_outfile_msole_new(sink_.get()));
  if (!root_) StorageFailed("Cannot create the compound file " + name.string(), name);
}

CompoundWriter::CompoundWriter() {
  InitialiseLibrary();
  sink_ = Adopt(gsf_output_memory_new());
  root_ = Adopt(gsf_outfile_msole_new(sink_.get()));
  if (!root_) throw EWorkFileError("Cannot create a compound file in memory");
}

CompoundWriter::~CompoundWriter() {
  // An abandoned storage is closed all the same, as the library expects;
  // whoever owns the file it went to removes it.
  if (!finished_ && root_) gsf_output_close(GSF_OUTPUT(root_.get()));
}

void CompoundWriter::AddStream(std::string_view name, std::span<const uint8_t> bytes) {
  if (name.empty() || name.size() > kMaxStreamName)
    throw EWorkFileError("Invalid stream name \"" + std::string(name) + "\"");
  const std::string key(name);
  auto child = Adopt(gsf_outfile_new_child(root_.get(), key.c_str(), FALSE));
  if (!child) throw EWorkFileError("Cannot create the stream " + key);
  const bool written = bytes.empty() || gsf_output_write(child.get(), bytes.size(), bytes.data());
  const bool closed = gsf_output_close(child.get());
  if (!written || !closed) StorageFailed(OutputError(child.get(), "Cannot write the stream " + key), {});
}

void CompoundWriter::Finish() {
  finished_ = true;
  const bool rootClosed = gsf_output_close(GSF_OUTPUT(root_.get()));
  const bool sinkClosed = gsf_output_is_closed(sink_.get()) || gsf_output_close(sink_.get());
  if (!rootClosed || !sinkClosed) StorageFailed(OutputError(sink_.get(), "Cannot write the compound file"), {});
}

std::vector<uint8_t> CompoundWriter::MemoryBytes() const {
  if (!GSF_IS_OUTPUT_MEMORY(sink_.get())) return {};
  const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink_.get()));
  const auto size = static_cast<size_t>(gsf_output_size(sink_.get()));
  return data ? std::vector<uint8_t>(data, data + size) : std::vector<uint8_t>{};
}

CompoundReader::CompoundReader(const std::filesystem::path& path) {
  GError* error = nullptr;
  auto source = Adopt(gsf_input_stdio_new(path.c_str(), &error));
  if (!source) StorageFailed(TakeMessage(error, "Cannot open " + path.string()), path);
  Open(std::move(source));
}

CompoundReader::CompoundReader(std::span<const uint8_t> bytes) {
  Open(Adopt(gsf_input_memory_new(bytes.data(), static_cast<gsf_off_t>(bytes.size()), FALSE)));
}

CompoundReader::~CompoundReader() = default;

void CompoundReader::Open(GsfHandle<GsfInput> source) {
  InitialiseLibrary();
  if (!source) throw EWorkFileError("Cannot read the compound file");
  containerSize_ = static_cast<uint64_t>(std::max<gsf_off_t>(gsf_input_size(source.get()), 0));
  GError* error = nullptr;
  root_ = Adopt(gsf_infile_msole_new(source.get(), &error));
  if (!root_) throw EWorkFileError(TakeMessage(error, "Not a compound work file"));
}

std::vector<std::string> CompoundReader::StreamNames() const {
  std::vector<std::string> names;
  const int count = gsf_infile_num_children(root_.get());
  for (int i = 0; i < count; ++i)
    if (const char* name = gsf_infile_name_by_index(root_.get(), i)) names.emplace_back(name);
  return names;
}

std::optional<std::vector<uint8_t>> CompoundReader::FindStream(std::string_view name, size_t limit) const {
  const int count = gsf_infile_num_children(root_.get());
  for (int i = 0; i < count; ++i) {
    const char* childName = gsf_infile_name_by_index(root_.get(), i);
    if (!childName || !Iequals(childName, name)) continue;
    auto child = Adopt(gsf_infile_child_by_index(root_.get(), i));
    if (!child) throw EWorkFileError("Cannot open the stream " + std::string(name));
    const gsf_off_t size = gsf_input_size(child.get());
    if (size < 0 || static_cast<uint64_t>(size) > std::min<uint64_t>(limit, containerSize_))
      throw EWorkFileError("The stream " + std::string(name) + " is too large");
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (size > 0 && !gsf_input_read(child.get(), bytes.size(), bytes.data()))
      throw EWorkFileError("Cannot read the stream " + std::string(name));
    return bytes;
  }
  return std::nullopt;
}

}  // namespace lumena
