#pragma once
// The uncompressed work file (".lmu"): a compound file with the streams
// "ListFile.txt" (the table, lines ended by CR), "preview.jpg", and per
// layer "<name>.bmp" and "<name>.msk".
#include <filesystem>

#include "workfile/work_snapshot.h"

namespace lumena {

// Writes through a temporary file that replaces the target only when all
// was written. Throws EFileError when the file cannot be written and
// EWorkFileError when the work cannot be stored; the previous file is then
// left as it was.
void WriteWorkFile(const std::filesystem::path& path, const WorkSnapshot& work, const SaveProgress& progress = {});

// The table as the uncompressed kind stores it: every line ended by CR.
std::string UncompressedTocText(const std::vector<std::string>& lines);

}  // namespace lumena
