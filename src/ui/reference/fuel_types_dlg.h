// The FBP fuel types window with its seventeen picture windows.
#pragma once

#include "forms/models/fuel_types_form.h"
#include "ui/pictures/picture_window_dlg.h"

namespace emberlin::ui {

class CFuelTypesDlg : public CGalleryDlg<forms::FuelTypesForm> {
  public:
    explicit CFuelTypesDlg(QWidget* parent);
};

}  // namespace emberlin::ui
