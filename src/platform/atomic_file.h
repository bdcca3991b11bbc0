#pragma once
#include <filesystem>
#include <string_view>

namespace lumena {

// Writes a whole file through a temporary file in the same folder that is
// renamed over the target only once everything was written, so a failure
// never leaves a half-written file (ReplacingFile: permissions kept, stale
// temporaries removed). Throws EFileError on failure.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view contents);

}  // namespace lumena
