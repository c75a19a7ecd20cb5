// Registers the bundled pictures (the bundle lives in a static library). The application icon
// is set by the main menu once it has been painted.
#pragma once

#include <QIcon>

namespace emberlin::ui {
// The application icon drawn at each size a window manager asks for (16 to 128 px).
QIcon ApplicationIcon();

// Call once the QApplication exists.
void InitResources();
}  // namespace emberlin::ui
