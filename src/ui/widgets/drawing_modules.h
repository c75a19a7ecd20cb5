// The toolkit's drawing modules (Qt Charts, Qt SVG, Qt Print Support) are loaded when the
// first window opens, not at start: the main menu needs none of them, and loading them with
// their OpenGL libraries took some 3 ms and 3 MB of every start.
#pragma once

#include <QString>

namespace emberlin::ui {

// Loads the modules if this process does not hold them yet; true once they are loaded. A
// program linked with them (the tests) finds them loaded. On false, `problem` says why, and
// nothing that charts, draws an SVG or prints may run.
bool LoadDrawingModules(QString* problem = nullptr);

}  // namespace emberlin::ui
