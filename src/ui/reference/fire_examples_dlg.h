// The examples of fire behaviour window with its seven photograph windows.
#pragma once

#include "forms/models/fire_examples_form.h"
#include "ui/pictures/picture_window_dlg.h"

namespace emberlin::ui {

class CFireExamplesDlg : public CGalleryDlg<forms::FireExamplesForm> {
  public:
    explicit CFireExamplesDlg(QWidget* parent);
};

}  // namespace emberlin::ui
