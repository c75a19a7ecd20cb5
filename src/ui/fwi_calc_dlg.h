// The FWI calculator window.
#pragma once

#include "forms/fwi_calc_form.h"
#include "forms/hand_over.h"
#include "ui/form_binder.h"
#include "ui/info_panel_dlg.h"

namespace emberlin::ui {

class CFwiCalcDlg : public CFormDlg {
  public:
    CFwiCalcDlg(forms::HandOver& shared, QWidget* parent);
    FormBinder& Binder() override { return binder_; }
    forms::FwiCalcForm& Model() { return model_; }

  private:
    forms::FwiCalcForm model_;
    FormBinder binder_{model_, *this};
    CInfoPanelDlg acronyms_;
};

}  // namespace emberlin::ui
