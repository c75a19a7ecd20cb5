// The FWI calculator window.
#pragma once

#include "forms/models/fwi_calc_form.h"
#include "forms/models/hand_over.h"
#include "ui/reference/info_panel_dlg.h"
#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

class CFwiCalcDlg : public CModelDlg<forms::FwiCalcForm> {
  public:
    // Binds `keptModel` when the caller keeps the model (the main menu), else makes its own.
    CFwiCalcDlg(forms::HandOver& shared, QWidget* parent, forms::FwiCalcForm* keptModel = nullptr);

  private:
    CInfoPanelDlg acronyms_{forms::FwiAcronymsPanel(), binder_, forms::FwiCalcForm::kAcronymsPanel};
};

}  // namespace emberlin::ui
