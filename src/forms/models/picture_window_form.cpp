#include "forms/models/picture_window_form.h"

#include <stdexcept>

namespace emberlin::forms {

PictureWindowForm::PictureWindowForm(std::string title, std::string pictureName)
    : FormModel(std::move(title)), pictureName_(std::move(pictureName)) {
    AddOkCancel();
}

PictureWindowForm& PictureGalleryForm::PictureWindow(std::string_view pictureName) {
    for (PictureWindowForm& window : pictureWindows_) {
        if (window.PictureName() == pictureName) return window;
    }
    throw std::out_of_range("no picture window named " + std::string(pictureName));
}

void PictureGalleryForm::AddPictureButton(std::string_view buttonId, std::string_view label,
                                          std::string_view windowTitle,
                                          std::string_view pictureName,
                                          std::function<void()> chosen) {
    pictureWindows_.emplace_back(std::string(windowTitle), std::string(pictureName));
    AddButton(std::string(buttonId), std::string(label),
              [this, panel = std::string(pictureName), chosen = std::move(chosen)] {
                  // The picture comes first; the choice follows once its window has closed.
                  Host().ShowPanel(panel);
                  chosen();
              });
}

}  // namespace emberlin::forms
