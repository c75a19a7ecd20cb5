// The projection by fuel type window: one row of FBP results for each of the eighteen fuels.
#pragma once

#include "forms/models/fuel_projection_form.h"
#include "forms/models/hand_over.h"
#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

class CFuelProjectionDlg : public CModelDlg<forms::FuelProjectionForm> {
  public:
    // Binds `keptModel` when the caller keeps the model (the main menu), else makes its own.
    CFuelProjectionDlg(forms::HandOver& shared, QWidget* parent,
                       forms::FuelProjectionForm* keptModel = nullptr);
};

}  // namespace emberlin::ui
