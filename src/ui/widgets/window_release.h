// What a closed window gives back while its widgets stay for the next opening.
#pragma once

class QWidget;

namespace emberlin::ui {

// Gives back what the windows a closed window opened (charts, fire shapes) hold for the
// display: each backing store, a screen's worth of pixels, and native window; then
// GiveBackMemory. The closed window keeps its own pixels, so that it reopens at once; the
// widgets and their values stay, and a released window makes its native window and pixels
// anew when shown.
void ReleaseClosedWindow(QWidget& window);

// Gives the memory that closed windows freed back to the system: the style's cached pixmaps,
// the allocator's free pages and the pages of built-in data (pictures) read for them.
void GiveBackMemory();

}  // namespace emberlin::ui
