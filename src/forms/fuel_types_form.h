// The FBP fuel type gallery: a picture window and a written description per fuel type.
#pragma once

#include <deque>
#include <span>
#include <string>
#include <string_view>

#include "forms/dialog/form_model.h"
#include "forms/picture_window_form.h"

namespace emberlin::forms {

// One button of the gallery. The command identifiers are those of the gallery's
// template and do not follow the label order (C6 is 1027, C7 is 1026).
struct FuelTypeEntry {
    int commandId;
    std::string_view buttonId;     // control id of its button
    std::string_view code;         // the button's label
    std::string_view windowTitle;  // the picture window's title, as written
    std::string_view pictureName;  // the picture; also the id of its window
    std::string_view titleLine;    // first part of the description
    std::string_view paragraph;    // the stand, in the words of a fuel type key
};

// The seventeen fuel types of the gallery (every one but D2), in the gallery's order.
std::span<const FuelTypeEntry> GalleryFuelTypes();

// The full description: title line, " - ", then the paragraph.
std::string FuelTypeDescription(const FuelTypeEntry& entry);

// A button shows its fuel type's picture window; once that has closed, by either button,
// the description box shows the fuel type's description. The box keeps the last
// description for the whole run; it is empty until the first button is used.
class FuelTypesForm : public FormModel {
public:
    static constexpr const char* kDescription = "description";

    FuelTypesForm();

    // A click on the button with this command identifier; false when there is none.
    bool ClickCommand(int commandId);

    // The picture windows, one per fuel type, kept for the form's whole life.
    PictureWindowForm& PictureWindow(std::string_view pictureName);

private:
    void ChooseFuelType(const FuelTypeEntry& entry);

    std::deque<PictureWindowForm> pictureWindows_;
    std::string description_;
};

}  // namespace emberlin::forms
