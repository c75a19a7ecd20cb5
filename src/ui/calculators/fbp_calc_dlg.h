// The FBP calculator window.
#pragma once

#include <optional>

#include "forms/models/fbp_calc_form.h"
#include "forms/models/hand_over.h"
#include "ui/pictures/fire_shape_view.h"
#include "ui/reference/info_panel_dlg.h"
#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

class CFbpCalcDlg : public CModelDlg<forms::FbpCalcForm> {
  public:
    // Binds `keptModel` when the caller keeps the model (the main menu), else makes its own.
    CFbpCalcDlg(forms::HandOver& shared, QWidget* parent, forms::FbpCalcForm* keptModel = nullptr);
    FireShapeView& ShapeView() { return *shapeView_; }
    // Draws the fire of the results on screen when they have changed, greyed while they are
    // stale.
    void UpdateShape();

  private:
    void DrawShape(const FbpInputs& in);
    unsigned drawnResults_ = 0;  // the form's ResultsCount() of the fire drawn

    CInfoPanelDlg acronyms_{forms::FbpAcronymsPanel(), binder_, forms::FbpCalcForm::kAcronymsPanel};
    FireShapeView* shapeView_ = nullptr;
    // The fire the shape shows, for "Save Perimeter…".
    struct ShownFire {
        FbpInputs in;
        FbpOutputs out;
    };
    std::optional<ShownFire> shown_;
};

}  // namespace emberlin::ui
