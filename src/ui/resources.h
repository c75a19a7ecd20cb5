// Registers the bundled pictures (the bundle lives in a static library) and sets the
// application icon on every window.
#pragma once

namespace emberlin::ui {
// Call once the QApplication exists.
void InitResources();
}  // namespace emberlin::ui
