// The diurnal weather calculator window.
#pragma once

#include "forms/diurnal_form.h"
#include "forms/hand_over.h"
#include "ui/form_binder.h"

namespace emberlin::ui {

class CDiurnalDlg : public CModelDlg<forms::DiurnalForm> {
  public:
    CDiurnalDlg(forms::HandOver& shared, QWidget* parent);
};

}  // namespace emberlin::ui
