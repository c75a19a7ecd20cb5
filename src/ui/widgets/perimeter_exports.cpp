#include "ui/widgets/perimeter_exports.h"

#include <QDir>
#include <QFileInfo>

#include "ui/widgets/file_answers.h"
#include "ui/widgets/form_binder.h"

namespace emberlin::ui {

namespace {

constexpr const char* kGeoJsonFilter = "GeoJSON (*.geojson *.json)";
constexpr const char* kKmlFilter = "KML (*.kml)";

bool IsKml(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("kml"), Qt::CaseInsensitive) == 0;
}

}  // namespace

QByteArray PerimeterFileText(const QString& path, const PerimeterExport& fire) {
    if (IsKml(path)) {
        return QByteArray::fromStdString(
            forms::PerimeterKml(fire.origin, fire.title, fire.features));
    }
    return QByteArray::fromStdString(forms::PerimeterGeoJson(fire.origin, fire.features));
}

void AskAndSavePerimeter(QWidget* parent, const PerimeterExport* fire, const QString& suggested) {
    if (fire == nullptr || fire->features.empty()) {
        ShowProgramMessage(parent,
                           QStringLiteral("There is no fire to save yet: calculate first."));
        return;
    }
    QString path = AskSaveFileName(
        parent, QStringLiteral("Save Perimeter"), suggested + QStringLiteral(".geojson"),
        QStringLiteral("%1;;%2").arg(QLatin1String(kGeoJsonFilter), QLatin1String(kKmlFilter)));
    if (path.isEmpty()) return;
    // A name without a suffix is a GeoJSON file, the first type offered.
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".geojson");
    const QString reason = WriteFileAtomically(path, PerimeterFileText(path, *fire));
    if (!reason.isEmpty()) {
        ShowProgramMessage(parent, QStringLiteral("The perimeter could not be saved to %1: %2.")
                                       .arg(QDir::toNativeSeparators(path), reason));
    }
}

QPushButton* MakeSavePerimeterButton(QWidget* parent,
                                     std::function<std::optional<PerimeterExport>()> fire,
                                     const QString& suggested) {
    auto* button = new QPushButton(QStringLiteral("Save Perimeter\u2026"), parent);
    button->setObjectName(QStringLiteral("savePerimeterButton"));
    button->setAutoDefault(false);
    button->setToolTip(
        QStringLiteral("Save the fire's perimeter for a map: GeoJSON or KML (WGS 84), placed with "
                       "the ignition point at the latitude and longitude of the inputs"));
    QObject::connect(button, &QPushButton::clicked, parent,
                     [parent, fire = std::move(fire), suggested] {
                         const std::optional<PerimeterExport> shown = fire();
                         AskAndSavePerimeter(parent, shown ? &*shown : nullptr, suggested);
                     });
    return button;
}

}  // namespace emberlin::ui
