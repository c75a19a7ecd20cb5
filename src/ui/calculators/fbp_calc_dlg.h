// The FBP calculator window.
#pragma once

#include "forms/fbp_calc_form.h"
#include "forms/hand_over.h"
#include "ui/fire_shape_view.h"
#include "ui/form_binder.h"
#include "ui/info_panel_dlg.h"

namespace emberlin::ui {

class CFbpCalcDlg : public CModelDlg<forms::FbpCalcForm> {
  public:
    CFbpCalcDlg(forms::HandOver& shared, QWidget* parent);
    FireShapeView& ShapeView() { return *shapeView_; }
    // Draws the fire of the last calculation (of the values shown, before the first).
    void UpdateShape();

  private:
    void DrawShape(const FbpInputs& in);

    CInfoPanelDlg acronyms_{forms::FbpAcronymsPanel(), binder_, forms::FbpCalcForm::kAcronymsPanel};
    FireShapeView* shapeView_ = nullptr;
};

}  // namespace emberlin::ui
