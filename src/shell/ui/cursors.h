#pragma once
// The program's own cursors, registered at start-up under fixed numbers.
#include <QCursor>
#include <filesystem>
#include <string_view>

#include "editing/desk_pointer.h"
#include "shell/cursor_names.h"

namespace lumena {

// Loads "Cursors\NAME.png" for every cursor; a missing picture leaves a
// platform cursor of similar meaning in its place.
void RegisterCursors(const std::filesystem::path& programFolder);
QCursor CursorFor(int number);
// The cursor the work desk asks for.
QCursor DeskCursorShape(DeskCursor cursor);
bool CursorLoadedFromFile(int number);

}  // namespace lumena
