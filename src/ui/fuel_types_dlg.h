// The FBP fuel type gallery window and its seventeen picture windows.
#pragma once

#include <memory>
#include <vector>

#include "forms/fuel_types_form.h"
#include "ui/form_binder.h"
#include "ui/picture_window_dlg.h"

namespace emberlin::ui {

class CFuelTypesDlg : public CFormDlg {
  public:
    explicit CFuelTypesDlg(QWidget* parent);
    FormBinder& Binder() override { return binder_; }
    forms::FuelTypesForm& Model() { return model_; }

  private:
    forms::FuelTypesForm model_;
    FormBinder binder_{model_, *this};
    std::vector<std::unique_ptr<CPictureWindowDlg>> pictureWindows_;
};

}  // namespace emberlin::ui
