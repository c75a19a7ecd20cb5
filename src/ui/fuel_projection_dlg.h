// The projection by fuel type window: one row of FBP results for each of the eighteen fuels.
#pragma once

#include "forms/fuel_projection_form.h"
#include "forms/hand_over.h"
#include "ui/form_binder.h"

namespace emberlin::ui {

class CFuelProjectionDlg : public CModelDlg<forms::FuelProjectionForm> {
  public:
    CFuelProjectionDlg(forms::HandOver& shared, QWidget* parent);
};

}  // namespace emberlin::ui
