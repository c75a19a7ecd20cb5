// The detection assessment window: ten rows of fire growth from a start time, hour by hour.
#pragma once

#include "forms/detection_form.h"
#include "forms/hand_over.h"
#include "ui/form_binder.h"

namespace emberlin::ui {

class CDetectionDlg : public CFormDlg {
  public:
    CDetectionDlg(forms::HandOver& shared, QWidget* parent);
    FormBinder& Binder() override { return binder_; }
    forms::DetectionForm& Model() { return model_; }

  private:
    forms::DetectionForm model_;
    FormBinder binder_{model_, *this};
};

}  // namespace emberlin::ui
