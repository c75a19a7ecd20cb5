// What a closed window gives back while its widgets stay for the next opening.
#pragma once

class QWidget;

namespace emberlin::ui {

// Gives back what a closed window and the windows it opened (charts, fire shapes) hold for
// the display: each backing store, a screen's worth of pixels, and native window; then
// GiveBackMemory. The widgets and their values stay, so the window reopens without being
// built again; showing it makes its native window and pixels anew.
void ReleaseClosedWindow(QWidget& window);

// Gives the memory that closed windows freed back to the system: the style's cached pixmaps
// and the allocator's free pages.
void GiveBackMemory();

}  // namespace emberlin::ui
