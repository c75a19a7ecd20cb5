// The examples of fire behaviour window and its seven photograph windows.
#pragma once

#include "forms/fire_examples_form.h"
#include "ui/picture_window_dlg.h"

namespace emberlin::ui {

class CFireExamplesDlg : public CGalleryDlg<forms::FireExamplesForm> {
  public:
    explicit CFireExamplesDlg(QWidget* parent);
};

}  // namespace emberlin::ui
