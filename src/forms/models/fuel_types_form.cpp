#include "forms/models/fuel_types_form.h"

namespace emberlin::forms {

std::string FuelTypeDescription(const FuelType& entry) {
    return std::string(entry.titleLine) + " - " + std::string(entry.paragraph);
}

FuelTypesForm::FuelTypesForm() : PictureGalleryForm("FBP Fuel Types") {
    AddText(kDescription, "Description of FBP Fuel Type", description_);
    for (const FuelType& entry : FuelCatalogue()) {
        if (!entry.InGallery()) continue;
        AddPictureButton(entry.buttonId, entry.code, entry.windowTitle, entry.pictureName,
                         [this, &entry] { ChooseFuelType(entry); });
    }
    AddOkCancel();
}

void FuelTypesForm::ChooseFuelType(const FuelType& entry) {
    description_ = FuelTypeDescription(entry);
    Show();
}

}  // namespace emberlin::forms
