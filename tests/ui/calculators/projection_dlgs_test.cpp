// The detection assessment and projection by fuel type windows, driven through their widgets.
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include "diurnal/diurnal_weather.h"
#include "diurnal/hourly_ffmc.h"
#include "support/diurnal_day.h"
#include "support/result_grid_support.h"
#include "support/ui_test_support.h"
#include "ui/calculators/detection_dlg.h"
#include "ui/calculators/fuel_projection_dlg.h"
#include "ui/widgets/resources.h"

using emberlin::forms::HandOver;
using emberlin::ui::CDetectionDlg;
using emberlin::ui::CFuelProjectionDlg;
using namespace emberlin::ui::testing;

namespace {

// Row n (1-based) as the form model built it, blanks included.
template <class Dlg>
QString Row(Dlg& dlg, int n) {
    return QString::fromStdString(dlg.Model().Text("row" + std::to_string(n)));
}

// The values of a fixed-width row, as its grid cells must read.
QStringList Values(const QString& row) {
    return row.trimmed().split(QRegularExpression(QStringLiteral(" {2,}")), Qt::SkipEmptyParts);
}

// The clock label at the start of a detection row.
QString ClockLabel(const QString& row) { return row.trimmed().section(QLatin1Char(' '), 0, 0); }

}  // namespace

class ProjectionDlgsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { emberlin::ui::InitResources(); }

    void detectionCalculatesTenRowsFromTheHourlyTables() {
        HandOver shared;
        QVERIFY(emberlin::testing_support::PublishDiurnalDay(shared));
        CDetectionDlg dlg(shared, nullptr);
        dlg.ShowForm();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("EMBERLIN - FBP Detection Assessment"));
        QVERIFY(ResultGrid(dlg) != nullptr);
        QCOMPARE(ResultGrid(dlg)->model()->rowCount(), 10);
        QVERIFY(GridRow(dlg, 0).isEmpty());

        QTest::mouseClick(dlg.findChild<QPushButton*>("calculate"), Qt::LeftButton);
        const QStringList labels = {"1445", "1500", "1515", "1530", "1545",
                                    "1600", "1615", "1630", "1730", "1830"};
        for (int n = 1; n <= 10; ++n) {
            // The row's values one per cell, the C2 odds last.
            QCOMPARE(GridRow(dlg, n - 1), Values(Row(dlg, n)));
            QCOMPARE(GridCell(dlg, n - 1, 0), labels[n - 1]);
            QCOMPARE(ClockLabel(Row(dlg, n)), labels[n - 1]);
            QVERIFY(!GridCell(dlg, n - 1, 13).isEmpty());
            QVERIFY(!Row(dlg, n).contains(QLatin1String("---")));
        }
        QCOMPARE(ResultGrid(dlg)->model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("TIME\n(min)"));
        QCOMPARE(ResultGrid(dlg)->model()->headerData(11, Qt::Horizontal).toString(),
                 QStringLiteral("CFB"));
        QVERIFY(ResultGrid(dlg)
                    ->model()
                    ->headerData(8, Qt::Horizontal, Qt::ToolTipRole)
                    .toString()
                    .contains(QLatin1String("crown involvement piece by piece")));

        // A start just after midnight, typed and calculated with Return.
        auto* start = dlg.findChild<QLineEdit*>("fireStartTime");
        TypeInto(start, "0030");
        QCOMPARE(start->text(), QStringLiteral("0030"));
        QTest::keyClick(start, Qt::Key_Return);
        QVERIFY(dlg.isVisible());
        QCOMPARE(GridCell(dlg, 0, 0), QStringLiteral("45"));
        QCOMPARE(GridCell(dlg, 9, 0), QStringLiteral("430"));

        // Another fuel type: the rows lose the C2 odds once recalculated.
        QTest::mouseClick(dlg.findChild<QCheckBox*>("fuelC4"), Qt::LeftButton);
        QVERIFY(dlg.findChild<QCheckBox*>("fuelC4")->isChecked());
        QVERIFY(!dlg.findChild<QCheckBox*>("fuelC2")->isChecked());
        QTest::mouseClick(dlg.findChild<QPushButton*>("calculate"), Qt::LeftButton);
        QVERIFY(Row(dlg, 1).endsWith(QLatin1String("     ")));
        QVERIFY(GridCell(dlg, 0, 13).isEmpty());
        QTest::mouseClick(dlg.findChild<QPushButton*>("cancel"), Qt::LeftButton);
        QVERIFY(!dlg.isVisible());
    }

    void detectionNeedsTheDiurnalCalculatorFirst() {
        HandOver shared;
        CDetectionDlg dlg(shared, nullptr);
        dlg.ShowForm();
        AnsweredMessages messages;
        QTest::mouseClick(dlg.findChild<QPushButton*>("calculate"), Qt::LeftButton);
        QCOMPARE(messages.Titles(), QStringList{"EMBERLIN"});
        QCOMPARE(messages.Texts(),
                 QStringList{"ERROR - This program requires hourly calculations, RUN the "
                             "DIURNAL TOOL Calcualtor in order to Create the Hourly Values"});
        QVERIFY(Row(dlg, 1).isEmpty());
        // The display-only fields take no typing.
        QVERIFY(dlg.findChild<QLineEdit*>("ffmc")->isReadOnly());
        dlg.hide();
    }

    void fuelProjectionCalculatesEveryFuelType() {
        HandOver shared;
        CFuelProjectionDlg dlg(shared, nullptr);
        dlg.ShowForm();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("EMBERLIN - FBP Projection by Fuel Type"));
        QVERIFY(dlg.findChild<QWidget*>("crown_fire") != nullptr);

        QTest::mouseClick(dlg.findChild<QPushButton*>("calculate"), Qt::LeftButton);
        const QStringList codes = {"C1", "C2", "C3", "C4", "C5", "C6", "C7", "D1",  "D2",
                                   "M1", "M2", "M3", "M4", "S1", "S2", "S3", "O1a", "O1b"};
        for (int n = 1; n <= 18; ++n) {
            QCOMPARE(GridCell(dlg, n - 1, 0), codes[n - 1]);
            QCOMPARE(GridRow(dlg, n - 1), Values(Row(dlg, n)));
        }
        QCOMPARE(GridCell(dlg, 1, 1), QStringLiteral("11.1"));
        QCOMPARE(GridCell(dlg, 1, 2), QStringLiteral("6824.2"));
        const QString point = Row(dlg, 2);
        QCOMPARE(point.size(), 187);
        QVERIFY(point.contains(QLatin1String("11.1       6824.2")));
        QVERIFY(point.endsWith(QLatin1String("Intermittent       ")));

        QTest::mouseClick(dlg.findChild<QCheckBox*>("lineIgnition"), Qt::LeftButton);
        QVERIFY(!dlg.findChild<QCheckBox*>("pointIgnition")->isChecked());
        QCOMPARE(Row(dlg, 2), point);  // rows change only on Calculate
        QCOMPARE(GridRow(dlg, 1), Values(point));
        QTest::mouseClick(dlg.findChild<QPushButton*>("calculate"), Qt::LeftButton);
        QVERIFY(Row(dlg, 2) != point);

        // Elapsed Time 0, calculated with Return: no area yet.
        auto* elapsed = dlg.findChild<QLineEdit*>("elapsedTime");
        TypeInto(elapsed, "0");
        QTest::keyClick(elapsed, Qt::Key_Return);
        QVERIFY(dlg.isVisible());
        QVERIFY(
            Row(dlg, 2).contains(QLatin1String("          "
                                               "    0.0 "
                                               "       ")));
        QCOMPARE(GridCell(dlg, 1, 7), QStringLiteral("0.0"));

        // A refused value warns beside the form and stops Calculate with a message.
        auto* aspect = dlg.findChild<QLineEdit*>("aspect");
        TypeInto(aspect, "400");
        QVERIFY(dlg.findChild<QLabel*>("typingWarning")->text().contains("between 0 and 360"));
        const QString before = Row(dlg, 2);
        AnsweredMessages messages;
        QTest::mouseClick(dlg.findChild<QPushButton*>("calculate"), Qt::LeftButton);
        QCOMPARE(messages.Texts(), QStringList{"Aspect: Please enter a number between 0 and 360."});
        QCOMPARE(Row(dlg, 2), before);
        QCOMPARE(aspect->selectedText(), QStringLiteral("400"));
        dlg.hide();
    }
};

QTEST_MAIN(ProjectionDlgsTest)
#include "projection_dlgs_test.moc"
