// The two gallery windows: the examples of fire behaviour with their seven photograph windows,
// and the FBP fuel types with their seventeen picture windows.
#pragma once

#include "forms/fire_examples_form.h"
#include "forms/fuel_types_form.h"
#include "ui/picture_window_dlg.h"

namespace emberlin::ui {

class CFireExamplesDlg : public CGalleryDlg<forms::FireExamplesForm> {
  public:
    explicit CFireExamplesDlg(QWidget* parent);
};

class CFuelTypesDlg : public CGalleryDlg<forms::FuelTypesForm> {
  public:
    explicit CFuelTypesDlg(QWidget* parent);
};

}  // namespace emberlin::ui
