// A picture window: one titled picture, closed by OK or Cancel alike.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "forms/kit/form_model.h"

namespace emberlin::forms {

// The photograph and picture windows of the reference screens. Their owner shows them
// through its host (FormHost::ShowPanel with the picture's name as the panel id) and
// goes on only once the window has closed, whichever button closed it.
class PictureWindowForm : public FormModel {
  public:
    PictureWindowForm(std::string title, std::string pictureName);

    // The bundled picture shown at its natural size; also the owner's panel id.
    const std::string& PictureName() const { return pictureName_; }

  private:
    std::string pictureName_;
};

// A form whose buttons each show a picture window and, once it has closed, choose what the
// picture stands for. The picture windows are kept for the form's whole life.
class PictureGalleryForm : public FormModel {
  public:
    using FormModel::FormModel;

    std::deque<PictureWindowForm>& PictureWindows() { return pictureWindows_; }
    // The window of `pictureName`; throws std::out_of_range for a picture not in the gallery.
    PictureWindowForm& PictureWindow(std::string_view pictureName);

  protected:
    // A button `buttonId` labelled `label` that shows `pictureName` in a window titled
    // `windowTitle`, then calls `chosen`.
    void AddPictureButton(std::string_view buttonId, std::string_view label,
                          std::string_view windowTitle, std::string_view pictureName,
                          std::function<void()> chosen);

  private:
    std::deque<PictureWindowForm> pictureWindows_;
};

}  // namespace emberlin::forms
