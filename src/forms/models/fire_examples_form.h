// Examples of fire behaviour: seven documented experimental fires, picked by their FWI.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "forms/kit/form_model.h"
#include "forms/models/picture_window_form.h"

namespace emberlin::forms {

// One documented fire: the button that picks it, its photograph and what was observed.
struct FireExample {
    std::string_view buttonId;     // control id of its button
    std::string_view button;       // the button's label, as written
    std::string_view pictureName;  // the photograph; also the id of its window
    std::string_view photoTitle;   // the photograph window's title
    double temperature;            // deg C
    int relativeHumidity;          // %
    double windSpeed;              // km/h
    int daysSinceRain;
    double ffmc;
    double dmc;
    double dc;
    double isi;
    double bui;
    double fwi;
    double headRos;  // m/min
    double hfi;      // kW/m
    double tfc;      // kg/m2
    std::string_view typeOfFire;
    std::string_view description;
};

// The seven examples, in the order of their buttons.
std::span<const FireExample> FireExamples();

// The form computes nothing: a button shows the fire's photograph and, once that window
// has closed, fills the read-only fields with the example. The fields keep the last
// example for the whole run.
class FireExamplesForm : public PictureGalleryForm {
  public:
    FireExamplesForm();

  private:
    void ChooseExample(const FireExample& example);

    double temperature_ = 0;
    int relativeHumidity_ = 0;
    double windSpeed_ = 0;
    int daysSinceRain_ = 0;
    double ffmc_ = 0;
    double dmc_ = 0;
    double dc_ = 0;
    double isi_ = 0;
    double bui_ = 0;
    double fwi_ = 0;
    double headRos_ = 0;
    double hfi_ = 0;
    double tfc_ = 0;
    std::string typeOfFire_;
    std::string description_;
};

}  // namespace emberlin::forms
