// The examples of fire behaviour window and its seven photograph windows.
#pragma once

#include <memory>
#include <vector>

#include "forms/fire_examples_form.h"
#include "ui/form_binder.h"
#include "ui/picture_window_dlg.h"

namespace emberlin::ui {

class CFireExamplesDlg : public CFormDlg {
  public:
    explicit CFireExamplesDlg(QWidget* parent);
    FormBinder& Binder() override { return binder_; }
    forms::FireExamplesForm& Model() { return model_; }

  private:
    forms::FireExamplesForm model_;
    FormBinder binder_{model_, *this};
    std::vector<std::unique_ptr<CPictureWindowDlg>> photoWindows_;
};

}  // namespace emberlin::ui
