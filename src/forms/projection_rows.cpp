#include "forms/projection_rows.h"

#include <cassert>

#include "common/number_text.h"

namespace emberlin::forms {

int MagnitudeClass(double value) {
    if (value < 10.0) return 0;
    if (value < 100.0) return 1;
    if (value < 1000.0) return 2;
    return 3;
}

std::string_view FireTypeWord(double cfb) {
    switch (ClassifyFireType(cfb)) {
        case FireType::Surface:
            return "  Surface   ";
        case FireType::IntermittentCrown:
            return "Intermittent";
        case FireType::Crown:
            return "   Crown    ";
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
