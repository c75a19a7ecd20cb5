#include "forms/models/picture_window_form.h"

namespace emberlin::forms {

PictureWindowForm::PictureWindowForm(std::string title, std::string pictureName)
    : FormModel(std::move(title)), pictureName_(std::move(pictureName)) {
    AddButton("ok", "OK", [this] { Ok(); });
    AddButton("cancel", "Cancel", [this] { Cancel(); });
}

}  // namespace emberlin::forms
