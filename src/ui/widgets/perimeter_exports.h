// "Save Perimeter…": a fire's perimeters written for a map, GeoJSON or KML by the file type
// chosen, through the program's file dialog and written whole or not at all.
#pragma once

#include <QPushButton>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/exports/perimeter_file.h"

namespace emberlin::ui {

// What a window saves: the ignition point, a title and the fire's features.
struct PerimeterExport {
    forms::GeoPoint origin;
    std::string title;
    std::vector<forms::PerimeterFeature> features;
};

// The file's text for `path`: KML for a .kml name, GeoJSON otherwise.
QByteArray PerimeterFileText(const QString& path, const PerimeterExport& fire);

// Asks for a file and writes the perimeters `fire` gives (nothing yet: a message says to
// calculate first). `suggested` names the file without its suffix.
void AskAndSavePerimeter(QWidget* parent, const PerimeterExport* fire, const QString& suggested);

// A "Save Perimeter…" button that saves what `fire` gives when clicked.
QPushButton* MakeSavePerimeterButton(QWidget* parent,
                                     std::function<std::optional<PerimeterExport>()> fire,
                                     const QString& suggested);

}  // namespace emberlin::ui
