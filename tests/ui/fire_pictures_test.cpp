// The fire shape panel, the shape and chart windows and their pictures out of the window.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>
#include <QXmlStreamReader>
#include <cmath>

#include "ui/fbp_calc_dlg.h"
#include "ui/fire_shape_view.h"
#include "ui/picture_export.h"
#include "ui/resources.h"
#include "ui_test_support.h"

using emberlin::SharedValues;
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

}  // namespace

class FirePicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { InitResources(); }

    // The calculator's first display saved as SVG: the fire ellipse (81.61 m by 2 x 12.75 m)
    // measured in drawing units against the scale bar agrees to 1 %.
    void savedSvgOfFirstDisplayMatchesItsScaleBar() {
        SharedValues shared;
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
};

QTEST_MAIN(FirePicturesTest)
#include "fire_pictures_test.moc"
