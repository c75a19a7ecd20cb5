// The diurnal weather calculator window.
#pragma once

#include "forms/models/diurnal_form.h"
#include "forms/models/hand_over.h"
#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

class CDiurnalDlg : public CModelDlg<forms::DiurnalForm> {
  public:
    // Binds `keptModel` when the caller keeps the model (the main menu), else makes its own.
    CDiurnalDlg(forms::HandOver& shared, QWidget* parent, forms::DiurnalForm* keptModel = nullptr);
};

}  // namespace emberlin::ui
