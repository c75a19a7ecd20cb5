// A picture window: its title, one picture at its natural size, OK and Cancel.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "forms/models/picture_window_form.h"
#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

// Binds a picture window model owned by a form (the fire photographs, the fuel type
// pictures); the owner keeps the model and this window for its whole life.
class CPictureWindowDlg : public CModelDlg<forms::PictureWindowForm&> {
  public:
    CPictureWindowDlg(forms::PictureWindowForm& model, QWidget* parent);
};

// The window of a gallery form, whose model holds a picture window model for each of its
// pictures: each picture's window is made the first time the form asks for the panel named
// after the picture, and shown modally.
template <class Form>
class CGalleryDlg : public CModelDlg<Form> {
  protected:
    explicit CGalleryDlg(QWidget* parent) : CModelDlg<Form>(parent) {
        for (forms::PictureWindowForm& picture : this->model_.PictureWindows()) {
            AddPictureWindow(picture.PictureName(), picture);
        }
    }

  private:
    // Shows `picture` in its own window when the form asks for panel `name`.
    void AddPictureWindow(const std::string& name, forms::PictureWindowForm& picture) {
        const std::size_t index = pictureWindows_.size();
        pictureWindows_.emplace_back();
        this->binder_.SetPanel(name, [this, index, &picture] {
            std::unique_ptr<CPictureWindowDlg>& window = pictureWindows_[index];
            if (window == nullptr) window = std::make_unique<CPictureWindowDlg>(picture, this);
            window->RunModal();
        });
    }

    std::vector<std::unique_ptr<CPictureWindowDlg>> pictureWindows_;
};

}  // namespace emberlin::ui
