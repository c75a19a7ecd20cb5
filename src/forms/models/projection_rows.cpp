#include "forms/models/projection_rows.h"

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

ResultTable ProjectionGrid(std::initializer_list<std::string_view> leading,
                           std::initializer_list<std::string_view> trailing,
                           std::span<const std::vector<std::string>> cells,
                           std::span<const std::string> headingLines,
                           std::span<const std::string> rowTexts) {
    ResultTable table;
    table.headers.assign(leading.begin(), leading.end());
    for (const std::string_view header :
         {"Head ROS\n(m/min)", "Head HFI\n(kW/m)", "Flank ROS\n(m/min)", "Flank HFI\n(kW/m)",
          "Back ROS\n(m/min)", "Back HFI\n(kW/m)", "Area\n(ha)", "Perimeter\n(m)", "PGR\n(m)"}) {
        table.headers.emplace_back(header);
    }
    const std::size_t cfb = table.headers.size();
    table.headers.emplace_back("CFB");
    table.headers.emplace_back("Type Fire");
    table.headers.insert(table.headers.end(), trailing.begin(), trailing.end());
    table.headerTips.assign(table.headers.size(), std::string());
    table.headerTips[cfb] = "Crown fraction burned, 0.0 to 1.0";
    table.cells.assign(cells.begin(), cells.end());
    table.headingLines.assign(headingLines.begin(), headingLines.end());
    table.rowTexts.assign(rowTexts.begin(), rowTexts.end());
    return table;
}

}  // namespace emberlin::forms
