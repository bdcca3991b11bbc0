#pragma once
// The save dialogs of the load and save window: the program's own file
// dialog (so that it looks and behaves the same everywhere), asking before
// a file is overwritten.
#include <QWidget>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "workfile/file_filters.h"

namespace lumena {

// The name a file is written under, from the name chosen and the chosen
// filter's extension (with its dot): `WithExportExtension`, `WithWorkExtension`.
using SaveNameRule = std::filesystem::path (*)(const std::filesystem::path& chosen, std::string_view filterExtension);

// The file to write, or nothing when the user cancels or declines to
// replace a file. `proposedName` may be empty.
std::optional<std::filesystem::path> AskSaveFile(QWidget* parent, const QString& title,
                                                 std::span<const FileFilter> filters,
                                                 const std::filesystem::path& folder, const std::string& proposedName,
                                                 SaveNameRule nameRule);

// The dialog's filter strings, in the filters' order.
QStringList DialogFilters(std::span<const FileFilter> filters);

}  // namespace lumena
