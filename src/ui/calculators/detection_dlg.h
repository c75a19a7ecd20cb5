// The detection assessment window: ten rows of fire growth from a start time, hour by hour.
#pragma once

#include "forms/models/detection_form.h"
#include "forms/models/hand_over.h"
#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

class CDetectionDlg : public CModelDlg<forms::DetectionForm> {
  public:
    // Binds `keptModel` when the caller keeps the model (the main menu), else makes its own.
    CDetectionDlg(forms::HandOver& shared, QWidget* parent,
                  forms::DetectionForm* keptModel = nullptr);
};

}  // namespace emberlin::ui
