// The two FBP projection windows: the detection assessment, ten rows of fire growth from a
// start time, hour by hour; and the projection by fuel type, one row of FBP results for each of
// the eighteen fuels.
#pragma once

#include "forms/detection_form.h"
#include "forms/fuel_projection_form.h"
#include "forms/hand_over.h"
#include "ui/form_binder.h"

namespace emberlin::ui {

class CDetectionDlg : public CModelDlg<forms::DetectionForm> {
  public:
    CDetectionDlg(forms::HandOver& shared, QWidget* parent);
};

class CFuelProjectionDlg : public CModelDlg<forms::FuelProjectionForm> {
  public:
    CFuelProjectionDlg(forms::HandOver& shared, QWidget* parent);
};

}  // namespace emberlin::ui
