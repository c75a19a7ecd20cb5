// "Save Perimeter…" on the FBP calculator and the detection assessment, through their real
// buttons: the file type follows the chosen name, the saved fire is the one shown, and nothing
// is written before there is a fire.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "support/diurnal_day.h"
#include "support/ui_test_support.h"
#include "ui/calculators/detection_dlg.h"
#include "ui/calculators/fbp_calc_dlg.h"
#include "ui/widgets/file_answers.h"
#include "ui/widgets/resources.h"

using emberlin::forms::HandOver;
using emberlin::ui::CDetectionDlg;
using emberlin::ui::CFbpCalcDlg;
using emberlin::ui::FileAnswers;
using namespace emberlin::ui::testing;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves through `dialog`'s button to `path`; returns the file's bytes.
QByteArray SaveThrough(QWidget* dialog, const QString& path) {
    FileAnswers::Clear();
    FileAnswers::SetNextPath(path);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("savePerimeterButton")),
                      Qt::LeftButton);
    return ReadAll(path);
}

}  // namespace

class PerimeterSaveTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { emberlin::ui::InitResources(); }
    void cleanup() { FileAnswers::Clear(); }

    void fbpSavesTheFireItShowsAsGeoJsonOrKml() {
        QTemporaryDir folder;
        HandOver shared;
        CFbpCalcDlg dlg(shared, nullptr);
        dlg.ShowForm();
        // The first display, before any Calculate: the fire drawn is the one saved.
        // A name without a suffix is a GeoJSON file.
        QVERIFY(SaveThrough(&dlg, folder.filePath(QStringLiteral("first"))).isEmpty());
        const QByteArray json = ReadAll(folder.filePath(QStringLiteral("first.geojson")));
        QCOMPARE(FileAnswers::TakeCaptions(), QStringList{"Save Perimeter"});
        const QJsonObject doc = QJsonDocument::fromJson(json).object();
        QCOMPARE(doc.value(QStringLiteral("type")).toString(), QStringLiteral("FeatureCollection"));
        const QJsonArray features = doc.value(QStringLiteral("features")).toArray();
        QCOMPARE(features.size(), 2);
        const QJsonObject fire =
            features[1].toObject().value(QStringLiteral("properties")).toObject();
        QCOMPARE(fire.value(QStringLiteral("fuel_type")).toString(), QStringLiteral("C2"));
        QCOMPARE(QString::number(fire.value(QStringLiteral("area_ha")).toDouble(), 'f', 2),
                 dlg.findChild<QLineEdit*>(QStringLiteral("areaText"))->text());

        // Another fuel calculated: the KML carries it.
        QTest::mouseClick(dlg.findChild<QCheckBox*>(QStringLiteral("fuelC6")), Qt::LeftButton);
        const QByteArray kml = SaveThrough(&dlg, folder.filePath(QStringLiteral("c6.kml")));
        QVERIFY(kml.startsWith("<?xml"));
        QVERIFY(kml.contains("<Data name=\"fuel_type\"><value>C6</value></Data>"));
        QVERIFY(kml.contains("<LinearRing>"));
        dlg.hide();
    }

    void detectionSavesEveryRowAfterACalculate() {
        QTemporaryDir folder;
        HandOver shared;
        QVERIFY(emberlin::testing_support::PublishDiurnalDay(shared));
        CDetectionDlg dlg(shared, nullptr);
        dlg.ShowForm();
        const QString early = folder.filePath(QStringLiteral("early.geojson"));
        // Nothing to save before a calculation, nor while the inputs differ from its own.
        auto* save = dlg.findChild<QPushButton*>(QStringLiteral("savePerimeterButton"));
        QVERIFY(!save->isEnabled());
        QVERIFY(SaveThrough(&dlg, early).isEmpty());
        QCOMPARE(FileAnswers::Pending(), 1);  // no file dialog asked
        auto* calculate = dlg.findChild<QPushButton*>(QStringLiteral("calculate"));
        QTest::mouseClick(calculate, Qt::LeftButton);
        QVERIFY(save->isEnabled());
        auto* slope = dlg.findChild<QLineEdit*>(QStringLiteral("slope"));
        slope->selectAll();
        QTest::keyClicks(slope, QStringLiteral("5"));
        QVERIFY(!save->isEnabled());
        slope->selectAll();
        QTest::keyClicks(slope, QStringLiteral("0"));
        QTest::mouseClick(calculate, Qt::LeftButton);
        QVERIFY(save->isEnabled());
        const QJsonArray features = QJsonDocument::fromJson(SaveThrough(&dlg, early))
                                        .object()
                                        .value(QStringLiteral("features"))
                                        .toArray();
        QCOMPARE(features.size(), 11);  // the ignition point and one fire per row
        const QJsonObject last =
            features[10].toObject().value(QStringLiteral("properties")).toObject();
        QCOMPARE(last.value(QStringLiteral("name")).toString(),
                 QStringLiteral("Fire at 240 min (18:30)"));
        dlg.hide();
    }
};

QTEST_MAIN(PerimeterSaveTest)
#include "perimeter_save_test.moc"
