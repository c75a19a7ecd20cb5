#include "fire/engine_inputs.h"

#include <string>

namespace emberlin {

FbpInputs EngineInputs(const FbpSettings& settings, int julianDay) {
    const ProjectionSite& site = settings.site;
    FbpInputs in;
    in.fuelType = std::string(FuelTypeTable.at(static_cast<std::size_t>(settings.fuelIndex)).code);
    in.ignition = settings.ignition;
    in.elapsedTime = settings.elapsedTime;
    in.ffmc = settings.ffmc;
    in.bui = site.bui;
    in.windSpeed = settings.windSpeed;
    in.windDirection = site.windDirection;
    in.slope = site.slope;
    in.aspect = site.aspect;
    in.pc = site.pc;
    in.pdf = site.pdf;
    in.gc = site.gc;
    in.gfl = site.gfl;
    in.julianDay = julianDay;
    in.minFmcDay = 0;  // worked out by the engine
    in.latitude = site.latitude;
    in.longitude = site.longitude;
    in.elevation = site.elevation;
    in.buiEffect = BuiSwitch::On;
    in.fmc = 0;  // worked out by the engine from place and date
    in.theta = 0;
    return in;
}

}  // namespace emberlin
