#include "forms/models/fuel_types_form.h"

#include <stdexcept>

namespace emberlin::forms {

std::string FuelTypeDescription(const FuelType& entry) {
    return std::string(entry.titleLine) + " - " + std::string(entry.paragraph);
}

FuelTypesForm::FuelTypesForm() : FormModel("FBP Fuel Types") {
    AddText(kDescription, "Description of FBP Fuel Type", description_);
    for (const FuelType& entry : FuelCatalogue()) {
        if (!entry.InGallery()) continue;
        pictureWindows_.emplace_back(std::string(entry.windowTitle),
                                     std::string(entry.pictureName));
        AddButton(std::string(entry.buttonId), std::string(entry.code),
                  [this, &entry] { ChooseFuelType(entry); });
    }
    AddButton("ok", "OK", [this] { Ok(); });
    AddButton("cancel", "Cancel", [this] { Cancel(); });
}

PictureWindowForm& FuelTypesForm::PictureWindow(std::string_view pictureName) {
    for (PictureWindowForm& window : pictureWindows_) {
        if (window.PictureName() == pictureName) return window;
    }
    throw std::out_of_range("no picture window named " + std::string(pictureName));
}

void FuelTypesForm::ChooseFuelType(const FuelType& entry) {
    // The picture window comes first; the description follows once it has closed.
    Host().ShowPanel(entry.pictureName);
    description_ = FuelTypeDescription(entry);
    Show();
}

}  // namespace emberlin::forms
