// The diurnal weather calculator window.
#pragma once

#include "forms/diurnal_form.h"
#include "forms/hand_over.h"
#include "ui/form_binder.h"

namespace emberlin::ui {

class CDiurnalDlg : public CFormDlg {
  public:
    CDiurnalDlg(forms::HandOver& shared, QWidget* parent);
    FormBinder& Binder() override { return binder_; }
    forms::DiurnalForm& Model() { return model_; }

  private:
    forms::DiurnalForm model_;
    FormBinder binder_{model_, *this};
};

}  // namespace emberlin::ui
