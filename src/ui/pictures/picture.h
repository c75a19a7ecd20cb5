// A picture from the resource bundle, drawn at its natural size.
#pragma once

#include <QString>
#include <QWidget>

namespace emberlin::ui {

// Loads ":/images/<name>.svg". `title` names the picture for screen readers and is shown
// in a frame when the resource is not bundled.
QWidget* MakePicture(const QString& name, const QString& title, QWidget* parent);

// The natural size of a bundled picture (empty when it is not bundled).
QSize PictureSize(const QString& name);

// How many times a picture has been drawn in this run, from its bitmap or its SVG (a picture
// draws on its first paint, and again only when the screen's pixel ratio changes).
int PicturesRendered();

}  // namespace emberlin::ui
