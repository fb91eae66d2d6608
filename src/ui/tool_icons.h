#pragma once

#include <QIcon>

namespace morvek::ui {

// The speed buttons' pictures, drawn by the program at whatever size and scale the screen
// asks for: sharp at 200 %, and nothing to read from files before the window first shows.
enum class ToolGlyph { kOpen, kNew, kSave, kPrint, kUndo, kRedo };

QIcon ToolIcon(ToolGlyph glyph);

}  // namespace morvek::ui
