// A picture window: one titled picture, closed by OK or Cancel alike.
#pragma once

#include <string>

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

}  // namespace emberlin::forms
