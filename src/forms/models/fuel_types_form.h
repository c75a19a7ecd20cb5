// The FBP fuel type gallery: a picture window and a written description per fuel type
// (every fuel type of the catalogue with a gallery place; D2 has none).
#pragma once

#include <string>

#include "forms/content/fuel_catalogue.h"
#include "forms/kit/form_model.h"
#include "forms/models/picture_window_form.h"

namespace emberlin::forms {

// The full description: title line, " - ", then the paragraph.
std::string FuelTypeDescription(const FuelType& entry);

// A button shows its fuel type's picture window; once that has closed, by either button,
// the description box shows the fuel type's description. The box keeps the last
// description for the whole run; it is empty until the first button is used.
class FuelTypesForm : public PictureGalleryForm {
  public:
    static constexpr const char* kDescription = "description";

    FuelTypesForm();

  private:
    void ChooseFuelType(const FuelType& entry);
    std::string description_;
};

}  // namespace emberlin::forms
