// A picture window: its title, one picture at its natural size, OK and Cancel.
#pragma once

#include "forms/picture_window_form.h"
#include "ui/form_binder.h"

namespace emberlin::ui {

// Binds a picture window model owned by a form (the fire photographs, the fuel type
// pictures); the owner keeps the model and this window for its whole life.
class CPictureWindowDlg : public CFormDlg {
  public:
    CPictureWindowDlg(forms::PictureWindowForm& model, QWidget* parent);
    FormBinder& Binder() override { return binder_; }

  private:
    forms::PictureWindowForm& model_;
    FormBinder binder_{model_, *this};
};

}  // namespace emberlin::ui
