// The fire shape panel, the shape and chart windows and their pictures out of the window.
#include <QAbstractButton>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLegendMarker>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>
#include <QXmlStreamReader>
#include <cmath>
#include <functional>
#include <memory>
#include <utility>

#include "support/diurnal_day.h"
#include "support/test_data.h"
#include "support/ui_test_support.h"
#include "ui/calculators/detection_dlg.h"
#include "ui/calculators/diurnal_dlg.h"
#include "ui/calculators/fbp_calc_dlg.h"
#include "ui/calculators/fire_by_hour_dlg.h"
#include "ui/calculators/fuel_projection_dlg.h"
#include "ui/calculators/hourly_fwi_dlg.h"
#include "ui/pictures/chart_windows.h"
#include "ui/pictures/fire_shape_view.h"
#include "ui/pictures/picture_export.h"
#include "ui/widgets/file_answers.h"
#include "ui/widgets/resources.h"

using emberlin::forms::HandOver;
using namespace emberlin::ui;
using namespace emberlin::ui::testing;

namespace {

// The scale of a transform along its axes (the SVG writer puts rotations into groups).
double Scale(const QTransform& t) { return std::sqrt(std::abs(t.determinant())); }

QTransform ParseMatrix(const QString& text) {
    static const QRegularExpression matrix(QStringLiteral(R"(matrix\(([^)]*)\))"));
    const QRegularExpressionMatch m = matrix.match(text);
    if (!m.hasMatch()) return {};
    const QStringList n =
        m.captured(1).split(QRegularExpression(QStringLiteral("[ ,]+")), Qt::SkipEmptyParts);
    if (n.size() != 6) return {};
    return QTransform(n[0].toDouble(), n[1].toDouble(), n[2].toDouble(), n[3].toDouble(),
                      n[4].toDouble(), n[5].toDouble());
}

// What a saved drawing holds that the scale can be read from: the ellipses' full axes and the
// scale bar's length (the filled rectangle 5 units high), in the drawing's own units, and
// the scale bar's label.
struct SvgMeasures {
    std::vector<std::pair<double, double>> ellipseAxes;  // (along the head, across)
    double scaleBarUnits = 0;
    QString scaleBarLabel;
    bool wellFormed = false;
};

SvgMeasures Measure(const QByteArray& svg) {
    SvgMeasures found;
    QXmlStreamReader xml(svg);
    std::vector<QTransform> groups{QTransform()};
    bool inText = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QXmlStreamAttributes a = xml.attributes();
            const QString name = xml.name().toString();
            if (name == QStringLiteral("g")) {
                groups.push_back(ParseMatrix(a.value(QStringLiteral("transform")).toString()) *
                                 groups.back());
            }
            const double s = Scale(groups.back());
            if (name == QStringLiteral("ellipse")) {
                found.ellipseAxes.emplace_back(2 * a.value(QStringLiteral("ry")).toDouble() * s,
                                               2 * a.value(QStringLiteral("rx")).toDouble() * s);
            } else if (name == QStringLiteral("rect") &&
                       std::abs(a.value(QStringLiteral("height")).toDouble() * s - 5.0) < 1e-6) {
                found.scaleBarUnits = a.value(QStringLiteral("width")).toDouble() * s;
            }
            inText = name == QStringLiteral("text");
        } else if (xml.isEndElement()) {
            if (xml.name() == QStringLiteral("g")) groups.pop_back();
            inText = false;
        } else if (xml.isCharacters() && inText) {
            const QString text = xml.text().toString().trimmed();
            if (text.endsWith(QStringLiteral(" m")) &&
                !text.contains(QLatin1Char(' ') + QStringLiteral("at"))) {
                bool number = false;
                text.left(text.size() - 2).toDouble(&number);
                if (number) found.scaleBarLabel = text;
            }
        }
    }
    found.wellFormed = !xml.hasError();
    return found;
}

// Saves a grab of a window for looking at, when EMBERLIN_SHOTS names a folder.
void Shot(QWidget* window, const char* name) {
    const QByteArray shots = qgetenv("EMBERLIN_SHOTS");
    if (shots.isEmpty() || window == nullptr) return;
    window->grab().save(QDir(QString::fromLocal8Bit(shots)).filePath(QLatin1String(name)));
}

// The picture window a launcher button opened, once open.
PictureWindow* OpenedBy(QWidget* dialog, const char* button) {
    auto* push = dialog->findChild<QPushButton*>(QLatin1String(button));
    if (push == nullptr || !push->isEnabled()) return nullptr;
    QTest::mouseClick(push, Qt::LeftButton);
    for (PictureWindow* w : dialog->findChildren<PictureWindow*>()) {
        if (w->isVisible() && w->windowTitle().contains(push->text().split(' ').first())) return w;
    }
    const auto all = dialog->findChildren<PictureWindow*>();
    return all.isEmpty() ? nullptr : all.back();
}

QChart* ChartIn(PictureWindow* window) {
    auto* view = window == nullptr ? nullptr : qobject_cast<QChartView*>(window->View());
    return view == nullptr ? nullptr : view->chart();
}

// A chart made in its dialog: the dialog, kept while the chart is saved, the chart's holder
// (its picture window, or the dialog that shows it) and the picture's size.
struct OpenChart {
    std::unique_ptr<CFormDlg> dialog;
    QWidget* holder = nullptr;
    QSize size = QSize();
};
using ChartOpener = std::function<OpenChart(HandOver&)>;

void Calculate(CFormDlg& dlg) {
    dlg.ShowForm();
    QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("calculate")), Qt::LeftButton);
}

// The chart a dialog's Chart button opens after a Calculate.
template <class Dlg>
ChartOpener LaunchedChart() {
    return [](HandOver& shared) {
        OpenChart chart{std::make_unique<Dlg>(shared, nullptr)};
        Calculate(*chart.dialog);
        auto* window = OpenedBy(chart.dialog.get(), "chart");
        chart.holder = window;
        if (window != nullptr) chart.size = window->PictureSize();
        return chart;
    };
}

}  // namespace

Q_DECLARE_METATYPE(ChartOpener)

class FirePicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { InitResources(); }

    // The calculator's first display saved as SVG: the fire ellipse (81.61 m by 2 x 12.75 m)
    // measured in drawing units against the scale bar agrees to 1 %.
    void savedSvgOfFirstDisplayMatchesItsScaleBar() {
        HandOver shared;
        CFbpCalcDlg dlg(shared, nullptr);
        dlg.ShowForm();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("shape.svg"));
        QString reason;
        QVERIFY2(SavePicture(path, dlg.ShapeView().Painter(), QSize(400, 520), &reason),
                 qPrintable(reason));
        // Pictures to look at, when asked for.
        if (const QByteArray shots = qgetenv("EMBERLIN_SHOTS"); !shots.isEmpty()) {
            QFile::copy(path, QDir(QString::fromLocal8Bit(shots)).filePath("fbp_shape.svg"));
            dlg.grab().save(QDir(QString::fromLocal8Bit(shots)).filePath("fbp_calculator.png"));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QVERIFY(QSvgRenderer(svg).isValid());
        const SvgMeasures m = Measure(svg);
        QVERIFY(m.wellFormed);
        QCOMPARE(m.ellipseAxes.size(), std::size_t{1});  // the fire (the ignition point is a path)
        QVERIFY(!m.scaleBarLabel.isEmpty());
        QVERIFY(m.scaleBarUnits > 0);
        const double barMetres = m.scaleBarLabel.chopped(2).toDouble();
        const double unitsPerMetre = m.scaleBarUnits / barMetres;
        const auto [length, breadth] = m.ellipseAxes.front();
        QVERIFY2(std::abs(length / unitsPerMetre - 81.61) <= 0.01 * 81.61,
                 qPrintable(QStringLiteral("length %1 m").arg(length / unitsPerMetre)));
        QVERIFY2(std::abs(breadth / unitsPerMetre - 25.50) <= 0.01 * 25.50,
                 qPrintable(QStringLiteral("breadth %1 m").arg(breadth / unitsPerMetre)));
    }

    // The panel follows each calculation, whichever control made it, and keeps its fire when
    // a calculation is refused, greyed from an edit until the next calculation; a window
    // built anew after Open Scenario shows the fire of the results it shows, greyed.
    void shapePanelFollowsEveryCalculation() {
        HandOver shared;
        emberlin::forms::FbpCalcForm model(shared);
        CFbpCalcDlg dlg(shared, nullptr, &model);
        dlg.ShowForm();
        AnsweredMessages answers;
        const auto click = [&dlg](const char* name) {
            QTest::mouseClick(dlg.findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
        };
        const auto type = [&dlg](const char* name, const char* text) {
            auto* edit = dlg.findChild<QLineEdit*>(QLatin1String(name));
            edit->selectAll();
            QTest::keyClicks(edit, QLatin1String(text));
        };
        const emberlin::forms::FireShape& shape = dlg.ShapeView().Shape();
        QCOMPARE(shape.fireType, emberlin::FireType::IntermittentCrown);
        QVERIFY(dlg.ShapeView().Inputs().startsWith(QStringLiteral("C2, point ignition, 15 min")));

        click("fuelD2");  // below its BUI threshold: no fire to draw
        QVERIFY(shape.noSpread);
        QVERIFY(dlg.ShapeView().Inputs().startsWith(QStringLiteral("D2, ")));

        click("fuelC2");
        click("lineIgnition");
        QVERIFY(shape.lineIgnition);
        QVERIFY(!shape.noSpread);
        QVERIFY(!dlg.ShapeView().Stale());
        type("windDirection", "270");
        type("slope", "30");
        QVERIFY(dlg.ShapeView().Stale());
        click("calculate");
        QVERIFY(!dlg.ShapeView().Stale());
        QVERIFY(shape.ellipse.rotation > 0 && shape.ellipse.rotation < 180);  // eastwards
        QCOMPARE(shape.arrows.size(), std::size_t{3});
        const double length = shape.ellipse.semiMajor;

        // A wind speed beyond its range is refused: the fire drawn stays the last computed.
        type("windSpeed", "500");
        click("calculate");
        QCOMPARE(MessageAnswers::TakeShown().size(), std::size_t{1});
        QCOMPARE(shape.ellipse.semiMajor, length);
        QVERIFY(!dlg.ShapeView().Inputs().contains(QStringLiteral("500")));
        QVERIFY(dlg.ShapeView().Stale());

        // Copy puts the panel's picture on the clipboard.
        QApplication::clipboard()->clear();
        click("copyPicture");
        QCOMPARE(QApplication::clipboard()->image().size(), dlg.ShapeView().size());

        type("windSpeed", "25");
        click("calculate");
        const QString computed = dlg.ShapeView().Inputs();
        dlg.reject();
        model.Restore({{"slope", 10}}, {{"fuelType", static_cast<std::size_t>(emberlin::kD1)}});
        CFbpCalcDlg reopened(shared, nullptr, &model);
        reopened.ShowForm();
        QCOMPARE(reopened.ShapeView().Inputs(), computed);
        QVERIFY(reopened.ShapeView().Stale());
        Shot(&reopened.ShapeView(), "fbp_stale_shape_after_open_scenario.png");
        QTest::mouseClick(reopened.findChild<QAbstractButton*>(QStringLiteral("calculate")),
                          Qt::LeftButton);
        QVERIFY(reopened.ShapeView().Inputs().startsWith(QStringLiteral("D1, ")));
        QVERIFY(!reopened.ShapeView().Stale());
    }

    // No chart exists before its dialog has computed; each opens from its button after a
    // calculation, drawn from that calculation.
    void chartsOpenFromTheirDialogsAfterACalculation() {
        HandOver shared;
        CDiurnalDlg diurnal(shared, nullptr);
        CDetectionDlg detection(shared, nullptr);
        CFuelProjectionDlg projection(shared, nullptr);
        for (CFormDlg* dlg : {static_cast<CFormDlg*>(&diurnal), static_cast<CFormDlg*>(&detection),
                              static_cast<CFormDlg*>(&projection)}) {
            dlg->ShowForm();
            QVERIFY(!dlg->findChild<QPushButton*>(QStringLiteral("chart"))->isEnabled());
            QVERIFY(dlg->findChildren<PictureWindow*>().isEmpty());
        }

        QTest::mouseClick(diurnal.findChild<QPushButton*>(QStringLiteral("calculate")),
                          Qt::LeftButton);
        PictureWindow* weather = OpenedBy(&diurnal, "chart");
        QChart* weatherChart = ChartIn(weather);
        QVERIFY(weatherChart != nullptr);
        QCOMPARE(weatherChart->series().size(), 6);  // four series, noon and 4 pm
        QCOMPARE(weatherChart->axes(Qt::Vertical).size(), 2);
        QVERIFY(weather->Caption().contains(QStringLiteral("30")));
        // A click on a legend marker hides its series, a second shows it again.
        QLegendMarker* first = weatherChart->legend()->markers().front();
        QVERIFY(first->series()->isVisible());
        emit first->clicked();
        QVERIFY(!first->series()->isVisible());
        QVERIFY(first->isVisible());
        emit first->clicked();
        QVERIFY(first->series()->isVisible());
        Shot(weather, "diurnal_chart.png");

        QTest::mouseClick(detection.findChild<QPushButton*>(QStringLiteral("calculate")),
                          Qt::LeftButton);
        PictureWindow* growth = OpenedBy(&detection, "chart");
        QChart* growthChart = ChartIn(growth);
        QVERIFY(growthChart != nullptr);
        QCOMPARE(growthChart->series().size(), 6 + 3);  // class bands, HFI line and points, area
        Shot(growth, "detection_chart.png");
        PictureWindow* outlines = OpenedBy(&detection, "fireShape");
        QVERIFY(outlines != nullptr);
        auto* shapeView = qobject_cast<FireShapeView*>(outlines->View());
        QVERIFY(shapeView != nullptr);
        QCOMPARE(shapeView->Shape().outlines.size(), std::size_t{9});
        QVERIFY(!shapeView->Shape().noSpread);
        Shot(outlines, "detection_shape.png");
        // The chart and fire shape windows close with the calculator that made them.
        QVERIFY(growth->isVisible() && outlines->isVisible());
        detection.hide();
        QVERIFY(!growth->isVisible());
        QVERIFY(!outlines->isVisible());

        QTest::mouseClick(projection.findChild<QPushButton*>(QStringLiteral("calculate")),
                          Qt::LeftButton);
        PictureWindow* fuels = OpenedBy(&projection, "chart");
        QChart* fuelChart = ChartIn(fuels);
        QVERIFY(fuelChart != nullptr);
        // Class bands, and the bars of each fire type present (surface and intermittent crown).
        QCOMPARE(fuelChart->series().size(), 6 + 2);
        Shot(fuels, "projection_chart.png");

        // Each picture saves with its caption; a PNG reads back at twice the screen's pixels.
        QTemporaryDir dir;
        for (PictureWindow* window : {weather, growth, outlines, fuels}) {
            const QString path = dir.filePath(window->objectName() + QStringLiteral(".png"));
            QString reason;
            QVERIFY2(SavePicture(path, window->Painter(), window->PictureSize(), &reason),
                     qPrintable(reason));
            QCOMPARE(QImage(path).size(), window->PictureSize() * PngScale());
            QFile::remove(path);
        }
    }

    // Every chart, saved as SVG from its own Save button, holds its title naming what it shows
    // and for which inputs, its axis titles with units, its legend's entries and the caption of
    // the inputs in words; saved as PNG it has twice the screen's pixels.
    void everyChartExportHoldsTitleLegendAndCaption_data() {
        QTest::addColumn<ChartOpener>("open");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("diurnal") << LaunchedChart<CDiurnalDlg>()
                                 << QStringList{
                                        "Diurnal weather by hour, 15 July at latitude 55\u00b0",
                                        "Hour of the day",
                                        "Temperature (\u00b0C), wind speed (km/h)",
                                        "RH (%), FFMC",
                                        "Temperature (\u00b0C)",
                                        "Wind speed (km/h)",
                                        "RH (%)",
                                        "Noon temperature 30 \u00b0C",
                                        "Maximum temperature 32 \u00b0C",
                                        "Maximum wind speed 35 km/h",
                                        "Date 15 July"};
        QTest::newRow("detection") << LaunchedChart<CDetectionDlg>()
                                   << QStringList{"Head fire intensity and area of a C2 fire from",
                                                  "Elapsed time (min)",
                                                  "Head fire intensity (kW/m), log scale",
                                                  "Area (ha)",
                                                  "Head fire intensity (kW/m)",
                                                  "C2, point ignition"};
        QTest::newRow("projection") << LaunchedChart<CFuelProjectionDlg>()
                                    << QStringList{"Head fire intensity of every fuel type at FFMC",
                                                   "Fuel type",
                                                   "Head fire intensity (kW/m), log scale",
                                                   "Ignition point",
                                                   "Wind speed",
                                                   "Date 15 July"};
        QTest::newRow("fire by hour")
            << ChartOpener([](HandOver& shared) {
                   OpenChart chart{std::make_unique<CFireByHourDlg>(shared, nullptr)};
                   Calculate(*chart.dialog);
                   QTest::qWait(20);  // the chart lays itself out
                   chart.holder = chart.dialog.get();
                   chart.size = static_cast<CFireByHourDlg&>(*chart.dialog).ChartPicture().size;
                   return chart;
               })
            << QStringList{"Head fire intensity, FFMC and ISI by hour, C2",
                           "Hour of the day",
                           "HFI (kW/m)",
                           "HFI",
                           "FFMC",
                           "ISI",
                           "4000 kW/m",
                           "10000 kW/m",
                           "Fuel type C2",
                           "BUI"};
        QTest::newRow("hourly fwi") << ChartOpener([](HandOver& shared) {
            auto hourly = std::make_unique<CHourlyFwiDlg>(shared, nullptr);
            hourly->ShowForm();
            FileAnswers::SetNextPath(QString::fromStdString(
                emberlin::test_files::TestDataPath("fwi2025/PRF2007_hourly_wx.csv")));
            hourly->OpenWeatherFile();
            hourly->findChild<QTabWidget*>(QStringLiteral("tabs"))->setCurrentIndex(3);
            hourly->resize(1100, 900);  // as on a common screen: room for the axis titles
            QTest::qWait(20);
            const QSize size = hourly->ChartPicture().size;
            QWidget* holder = hourly.get();
            return OpenChart{std::move(hourly), holder, size};
        })
                                    << QStringList{"FFMC, ISI and FWI by hour, PRF2007",
                                                   "GFMC, GSI and GFWI by hour",
                                                   "Hours from the first row (h)",
                                                   "FFMC",
                                                   "ISI",
                                                   "FWI",
                                                   "GFMC",
                                                   "Rain (mm)",
                                                   "Weather from PRF2007",
                                                   "Latitude 45.996\u00b0",
                                                   "Time zone -4 h from UTC"};
    }
    // Every chart, saved as SVG from its own Save button, holds its title naming what it shows
    // and for which inputs, its axis titles with units, its legend's entries and the caption of
    // the inputs in words; saved as PNG it has twice the screen's pixels.
    void everyChartExportHoldsTitleLegendAndCaption() {
        QFETCH(ChartOpener, open);
        QFETCH(QStringList, words);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        HandOver shared;
        // The hourly weather the detection and fire by hour windows take, as after the
        // diurnal weather window's Calculate.
        QVERIFY(emberlin::testing_support::PublishDiurnalDay(shared));
        const OpenChart chart = open(shared);
        QVERIFY(chart.holder != nullptr);
        QPushButton* save = nullptr;
        for (QPushButton* b :
             chart.holder->findChildren<QPushButton*>(QStringLiteral("savePicture")))
            if (b->window() == chart.holder) save = b;
        QVERIFY(save != nullptr);
        QTemporaryDir dir;
        const QString svg = dir.filePath(name + QStringLiteral(".svg"));
        FileAnswers::SetNextPath(svg);
        save->click();
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // The words of the drawing, as a reader of the file finds them.
        QString text;
        QXmlStreamReader xml(file.readAll());
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::Characters)
                text += xml.text().toString() + QLatin1Char(' ');
        }
        QVERIFY(!xml.hasError());
        text = text.simplified();
        for (const QString& word : words) {
            QVERIFY2(text.contains(word),
                     qPrintable(QStringLiteral("\"%1\" not in %2").arg(word, text.left(2000))));
        }
        const QString png = dir.filePath(name + QStringLiteral(".png"));
        FileAnswers::SetNextPath(png);
        save->click();
        QCOMPARE(QImage(png).size(), chart.size * PngScale());
        if (const QByteArray shots = qgetenv("EMBERLIN_SHOTS"); !shots.isEmpty()) {
            for (const QString& made : {svg, png}) {
                const QString kept =
                    QDir(QString::fromLocal8Bit(shots)).filePath(QFileInfo(made).fileName());
                QFile::remove(kept);
                QFile::copy(made, kept);
            }
        }
    }

    // Saving refuses cleanly: the reason is given and nothing is left behind.
    void saveRefusesWithAReason_data() {
        QTest::addColumn<QString>("path");  // in a new folder; empty: the folder itself
        QTest::newRow("missing folder") << QStringLiteral("no/such/folder/picture.png");
        QTest::newRow("folder as file") << QString();
    }
    void saveRefusesWithAReason() {
        QFETCH(QString, path);
        QTemporaryDir dir;
        const PicturePainter paint = [](QPainter& p, const QSize& size) {
            p.drawLine(0, 0, size.width(), size.height());
        };
        QString reason;
        QVERIFY(!SavePicture(path.isEmpty() ? dir.path() : dir.filePath(path), paint, QSize(50, 40),
                             &reason));
        QVERIFY(!reason.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
        reason.clear();
        QVERIFY(
            SavePicture(dir.filePath(QStringLiteral("line.SVG")), paint, QSize(50, 40), &reason));
        QVERIFY(QSvgRenderer(dir.filePath(QStringLiteral("line.SVG"))).isValid());
    }
};

QTEST_MAIN(FirePicturesTest)
#include "fire_pictures_test.moc"
