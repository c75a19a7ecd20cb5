// Registers the bundled pictures (the bundle lives in a static library) and sets the
// application icon on every window.
#pragma once

#include <QIcon>

namespace emberlin::ui {
// The application icon drawn at each size a window manager asks for (16 to 128 px).
QIcon ApplicationIcon();

// Call once the QApplication exists.
void InitResources();
}  // namespace emberlin::ui
