#pragma once
// Whole binary files in memory.
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace lumena {

// The whole file, read as every data file is (ReadDataFile: regular files
// below the size cap only); throws EFileError when it cannot be opened or
// read.
std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path);

// Writes the whole file (through a temporary file, so a failure leaves no
// half-written file); throws EFileError on failure.
void WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace lumena
