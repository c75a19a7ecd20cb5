#include "forms/projection_rows.h"

#include <cassert>

#include "common/number_text.h"

namespace emberlin::forms {

FbpInputs ProjectionInputs(int fuelIndex, const ProjectionSite& site, int julianDay) {
    assert(IsFuelIndex(fuelIndex));
    FbpInputs in;
    in.fuelType = std::string(FuelTypeTable[static_cast<std::size_t>(fuelIndex)].code);
    in.minFmcDay = 0;
    in.useBui = 1;
    in.fmc = 0.0;
    in.theta = 0.0;
    in.bui = site.bui;
    in.windDirection = site.windDirection;
    in.slope = site.slope;
    in.aspect = site.aspect;
    in.pc = site.pc;
    in.pdf = site.pdf;
    in.gc = site.gc;
    in.gfl = site.gfl;
    in.julianDay = julianDay;
    in.latitude = site.latitude;
    in.longitude = site.longitude;
    in.elevation = site.elevation;
    return in;
}

int MagnitudeClass(double value) {
    if (value < 10.0) return 0;
    if (value < 100.0) return 1;
    if (value < 1000.0) return 2;
    return 3;
}

std::string_view FireTypeWord(double cfb) {
    switch (ClassifyFireType(cfb)) {
        case FireType::Surface: return "  Surface   ";
        case FireType::IntermittentCrown: return "Intermittent";
        case FireType::Crown: return "   Crown    ";
    }
    return "  Surface   ";
}

std::string FormatByMagnitude(double value, const std::array<MagnitudeFormat, 4>& formats) {
    const MagnitudeFormat& f = formats[static_cast<std::size_t>(MagnitudeClass(value))];
    std::string text(f.before);
    text += FormatFixed(value, f.width, 1);
    text += f.after;
    return text;
}

std::string HeadingLine(std::initializer_list<HeadingPiece> pieces) {
    std::string line;
    for (const HeadingPiece& piece : pieces) {
        assert(piece.column >= line.size() && "heading pieces overlap");
        if (line.size() < piece.column) line.append(piece.column - line.size(), ' ');
        line += piece.text;
    }
    return line;
}

}  // namespace emberlin::forms
