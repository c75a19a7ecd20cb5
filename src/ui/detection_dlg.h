// The detection assessment window: ten rows of fire growth from a start time, hour by hour.
#pragma once

#include "common/shared_values.h"
#include "forms/detection_form.h"
#include "ui/form_binder.h"

namespace emberlin::ui {

class CDetectionDlg : public CFormDlg {
public:
    CDetectionDlg(SharedValues& shared, QWidget* parent);
    FormBinder& Binder() override { return binder_; }
    forms::DetectionForm& Model() { return model_; }

private:
    forms::DetectionForm model_;
    FormBinder binder_{model_, *this};
};

}  // namespace emberlin::ui
