// The diurnal weather calculator window.
#pragma once

#include "forms/models/diurnal_form.h"
#include "forms/models/hand_over.h"
#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

class CDiurnalDlg : public CModelDlg<forms::DiurnalForm> {
  public:
    CDiurnalDlg(forms::HandOver& shared, QWidget* parent);
};

}  // namespace emberlin::ui
