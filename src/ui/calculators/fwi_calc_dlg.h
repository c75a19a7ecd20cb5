// The FWI calculator window.
#pragma once

#include "forms/fwi_calc_form.h"
#include "forms/hand_over.h"
#include "ui/form_binder.h"
#include "ui/info_panel_dlg.h"

namespace emberlin::ui {

class CFwiCalcDlg : public CModelDlg<forms::FwiCalcForm> {
  public:
    CFwiCalcDlg(forms::HandOver& shared, QWidget* parent);

  private:
    CInfoPanelDlg acronyms_{forms::FwiAcronymsPanel(), binder_, forms::FwiCalcForm::kAcronymsPanel};
};

}  // namespace emberlin::ui
