#pragma once

#include <QIcon>
#include <QImage>

namespace morvek::ui {

// The sizes desktops look for in the icon theme, smallest first.
inline constexpr int kProgramIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Morvek's icon, drawn at `size` × `size` pixels on a transparent background: a rev-counter
// dial on a dark tile, its red zone, and the lime needle of the live highlight near the limiter.
QImage PaintProgramIcon(int size);

// The icon in every size of kProgramIconSizes, for the window and the task bar.
QIcon ProgramIcon();

}  // namespace morvek::ui
