// The FBP fuel type gallery window and its seventeen picture windows.
#pragma once

#include "forms/fuel_types_form.h"
#include "ui/picture_window_dlg.h"

namespace emberlin::ui {

class CFuelTypesDlg : public CGalleryDlg<forms::FuelTypesForm> {
  public:
    explicit CFuelTypesDlg(QWidget* parent);
};

}  // namespace emberlin::ui
