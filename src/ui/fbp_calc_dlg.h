// The FBP calculator window.
#pragma once

#include "forms/hand_over.h"
#include "forms/fbp_calc_form.h"
#include "ui/form_binder.h"
#include "ui/info_panel_dlg.h"

namespace emberlin::ui {

class CFbpCalcDlg : public CFormDlg {
  public:
    CFbpCalcDlg(forms::HandOver& shared, QWidget* parent);
    FormBinder& Binder() override { return binder_; }
    forms::FbpCalcForm& Model() { return model_; }

  private:
    forms::FbpCalcForm model_;
    FormBinder binder_{model_, *this};
    CInfoPanelDlg acronyms_;
};

}  // namespace emberlin::ui
