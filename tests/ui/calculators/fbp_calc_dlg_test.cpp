// The FBP calculator window and its acronyms panel, driven through their real widgets.
#include "ui/calculators/fbp_calc_dlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <map>

#include "common/number_text.h"
#include "support/ui_test_support.h"
#include "ui/widgets/resources.h"

using emberlin::forms::FbpCalcForm;
using emberlin::forms::FuelBoxId;
using emberlin::forms::HandOver;
using emberlin::forms::kFuelCount;
using emberlin::ui::CFbpCalcDlg;
using namespace emberlin::ui::testing;

namespace {

QString OutputText(QWidget* dlg, const char* id) {
    auto* edit = dlg->findChild<QLineEdit*>(id);
    return edit == nullptr ? QStringLiteral("<missing %1>").arg(id) : edit->text();
}

QStringList CheckedFuelBoxes(QWidget* dlg) {
    QStringList on;
    for (int i = 0; i < kFuelCount; ++i) {
        auto* box = dlg->findChild<QCheckBox*>(QString::fromStdString(FuelBoxId(i)));
        if (box == nullptr) return {QStringLiteral("missing box %1").arg(i)};
        if (box->isChecked()) on << box->objectName();
    }
    return on;
}

const char* const kInputs[] = {"pc",       "df",        "gc",        "gfl",
                               "month",    "day",       "ffmc",      "bui",
                               "latitude", "longitude", "windSpeed", "windDirection",
                               "slope",    "aspect",    "elevation", "elapsedTime"};

}  // namespace

class FbpCalcDlgTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { emberlin::ui::InitResources(); }

    void fuelTypeAndIgnitionBoxesCalculateAsExclusiveChoices() {
        HandOver shared;
        CFbpCalcDlg dlg(shared, nullptr);
        dlg.ShowForm();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("EMBERLIN - FBP Calculator"));
        QVERIFY(dlg.findChild<QWidget*>("crown_fire") != nullptr);
        QCOMPARE(CheckedFuelBoxes(&dlg), QStringList{"fuelC2"});
        QCOMPARE(OutputText(&dlg, "hfiText"), QStringLiteral("6824"));
        QCOMPARE(OutputText(&dlg, "fdText"), QStringLiteral("Intermittent Crown Fire"));

        auto* c6 = dlg.findChild<QCheckBox*>("fuelC6");
        QCOMPARE(c6->text(), QStringLiteral("C6 "));
        QTest::mouseClick(c6, Qt::LeftButton);
        QCOMPARE(CheckedFuelBoxes(&dlg), QStringList{"fuelC6"});
        QCOMPARE(OutputText(&dlg, "rosText"), QStringLiteral("4.39"));
        QCOMPARE(OutputText(&dlg, "cfbText"), QStringLiteral("0.00"));
        QCOMPARE(OutputText(&dlg, "fdText"), QStringLiteral("Surface Fire"));
        QVERIFY(shared.fbp.has_value());
        QCOMPARE(shared.fbp->fuelIndex, 5);
        QTest::mouseClick(c6, Qt::LeftButton);  // the box that is on stays on
        QCOMPARE(CheckedFuelBoxes(&dlg), QStringList{"fuelC6"});

        QTest::mouseClick(dlg.findChild<QCheckBox*>("fuelC2"), Qt::LeftButton);
        QTest::mouseClick(dlg.findChild<QCheckBox*>("lineIgnition"), Qt::LeftButton);
        QVERIFY(dlg.findChild<QCheckBox*>("lineIgnition")->isChecked());
        QVERIFY(!dlg.findChild<QCheckBox*>("pointIgnition")->isChecked());
        QCOMPARE(OutputText(&dlg, "cfbText"), QStringLiteral("0.88"));
        QCOMPARE(OutputText(&dlg, "areaText"), QStringLiteral("0.72"));
        dlg.hide();
    }

    void returnCalculatesAndOkClosesOnlyWhenClicked() {
        HandOver shared;
        CFbpCalcDlg dlg(shared, nullptr);
        QVERIFY(dlg.findChild<QPushButton*>("calculate")->isDefault());
        QVERIFY(!dlg.findChild<QPushButton*>("ok")->isDefault());
        int result = -1;
        WhileModal([&] { result = dlg.RunModal(); },
                   [&](QWidget* modal) {
                       QCOMPARE(modal, static_cast<QWidget*>(&dlg));
                       auto* slope = dlg.findChild<QLineEdit*>("slope");
                       TypeInto(slope, "30");
                       QCOMPARE(slope->text(), QStringLiteral("30"));
                       QVERIFY(!shared.fbp.has_value());  // typing does not calculate
                       QTest::keyClick(slope, Qt::Key_Return);
                       QVERIFY(dlg.isVisible());
                       QCOMPARE(shared.fbp->site.slope, 30.0);
                       QCOMPARE(OutputText(&dlg, "cfbText"), QStringLiteral("0.98"));
                       QCOMPARE(OutputText(&dlg, "fdText"), QStringLiteral("Crown Fire"));
                       QCOMPARE(OutputText(&dlg, "lbText"), QStringLiteral("4.64"));
                       QTest::mouseClick(dlg.findChild<QPushButton*>("ok"), Qt::LeftButton);
                   });
        QCOMPARE(result, int(QDialog::Accepted));
        // Opening again shows the held values without calculating.
        dlg.ShowForm();
        QCOMPARE(dlg.findChild<QLineEdit*>("slope")->text(), QStringLiteral("30"));
        QCOMPARE(OutputText(&dlg, "lbText"), QStringLiteral("4.64"));
        dlg.hide();
    }

    // Each input, with words its tip holds beside meaning, unit and range (if any).
    void everyInputExplainsItselfAndIsNamedByItsLabel_data() {
        QTest::addColumn<QString>("also");
        const std::map<QString, QString> also = {
            {"gc", "0 stands for the standard curing of 95 %"},
            {"gfl", "0 stands for the standard load of 0.3 kg/m\u00b2"},
            {"longitude", "from -170 to 170."},
        };
        for (const char* id : kInputs) {
            const auto words = also.find(QLatin1String(id));
            QTest::newRow(id) << (words == also.end() ? QString() : words->second);
        }
    }
    void everyInputExplainsItselfAndIsNamedByItsLabel() {
        QFETCH(QString, also);
        const QString id = QString::fromLatin1(QTest::currentDataTag());
        HandOver shared;
        CFbpCalcDlg dlg(shared, nullptr);
        auto* edit = dlg.findChild<QLineEdit*>(id);
        QVERIFY(edit != nullptr);
        const emberlin::forms::Control& control = dlg.Model().GetControl(id.toStdString());
        const QString range =
            QStringLiteral("from %1 to %2.")
                .arg(QString::fromStdString(emberlin::FormatGeneral(control.minValue)),
                     QString::fromStdString(emberlin::FormatGeneral(control.maxValue)));
        QVERIFY2(edit->toolTip().contains(range), qPrintable(edit->toolTip()));
        // Meaning and unit come before the range.
        QVERIFY(edit->toolTip().indexOf(range) > 10);
        QCOMPARE(edit->accessibleName(), QString::fromStdString(control.label).trimmed());
        QVERIFY2(edit->toolTip().contains(also), qPrintable(edit->toolTip()));
    }

    // The eighteen fuel boxes are one Tab stop; the arrow keys move between them.
    void theFuelBoxesAreOneTabStopMovedThroughWithArrows() {
        HandOver shared;
        CFbpCalcDlg dlg(shared, nullptr);
        dlg.ShowForm();
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));  // focus moves within the active window
        QList<QCheckBox*> boxes;
        for (int i = 0; i < emberlin::forms::kFuelCount; ++i) {
            boxes << dlg.findChild<QCheckBox*>(
                QString::fromStdString(emberlin::forms::FuelBoxId(i)));
        }
        auto tabStops = [&] {
            QStringList stops;
            for (QCheckBox* box : boxes) {
                if (box->focusPolicy() & Qt::TabFocus) stops << box->objectName();
            }
            return stops;
        };
        QCOMPARE(tabStops(), QStringList{"fuelC2"});  // the checked box
        QCheckBox* c2 = dlg.findChild<QCheckBox*>("fuelC2");
        c2->setFocus();
        QTest::keyClick(c2, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), boxes.at(2));
        QCOMPARE(tabStops(), QStringList{boxes.at(2)->objectName()});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), boxes.at(0));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);  // wraps round
        QCOMPARE(QApplication::focusWidget(), boxes.last());
        QCOMPARE(CheckedFuelBoxes(&dlg), QStringList{"fuelC2"});  // moving chooses nothing
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!boxes.contains(qobject_cast<QCheckBox*>(QApplication::focusWidget())));
        for (QCheckBox* box : boxes) QCOMPARE(box->accessibleName(), box->text().trimmed());
        dlg.hide();
    }

    void aRefusedFieldStopsAFuelBoxCalculation() {
        HandOver shared;
        CFbpCalcDlg dlg(shared, nullptr);
        dlg.ShowForm();
        auto* latitude = dlg.findChild<QLineEdit*>("latitude");
        TypeInto(latitude, "1e10");
        QCOMPARE(latitude->text(), QStringLiteral("1e10"));
        QVERIFY(dlg.findChild<QLabel*>("typingWarning")
                    ->text()
                    .contains("Please enter a number between 30 and 90."));

        AnsweredMessages messages;
        QTest::mouseClick(dlg.findChild<QCheckBox*>("fuelO1a"), Qt::LeftButton);
        QCOMPARE(messages.Titles(), QStringList{"EMBERLIN"});
        QCOMPARE(messages.Texts(),
                 QStringList{"Latitude ( d.d ): Please enter a number between 30 and 90."});
        QCOMPARE(CheckedFuelBoxes(&dlg), QStringList{"fuelO1a"});
        QCOMPARE(OutputText(&dlg, "rosText"), QStringLiteral("11.09"));
        QVERIFY(!shared.fbp.has_value());
        QCOMPARE(latitude->selectedText(), QStringLiteral("1e10"));
        dlg.hide();
    }

    void acronymsPanelOpensFromItsButtonAndFitsAScreen() {
        HandOver shared;
        CFbpCalcDlg dlg(shared, nullptr);
        dlg.ShowForm();
        auto* gfl = dlg.findChild<QLineEdit*>("gfl");
        TypeInto(gfl, "0.");
        WhileModal(
            [&] { QTest::mouseClick(dlg.findChild<QPushButton*>("acronyms"), Qt::LeftButton); },
            [&](QWidget* modal) {
                QVERIFY(modal != nullptr);
                QCOMPARE(modal->windowTitle(), QStringLiteral("   EMBERLIN - FBP   Acronyms"));
                QStringList titles;
                QMap<QString, QGroupBox*> byTitle;
                for (auto* box : modal->findChildren<QGroupBox*>()) {
                    titles << box->title();
                    byTitle[box->title()] = box;
                }
                QCOMPARE(titles, (QStringList{"Fuel Types", "FBP Parameters", "FBP Inputs",
                                              "Primary Outputs", "Secondary Outputs"}));
                QStringList lines;
                for (auto* label : byTitle["Secondary Outputs"]->findChildren<QLabel*>()) {
                    lines << label->text();
                }
                QCOMPARE(lines.size(), 11);
                QCOMPARE(lines.last(), QStringLiteral("BSD  :  BACK Spread Distance  ( m )"));
                // Forty-one lines in one column would not fit a 1080-line screen.
                QVERIFY2(modal->height() < 800, qPrintable(QString::number(modal->height())));
                QVERIFY(byTitle["Secondary Outputs"]->x() > byTitle["Fuel Types"]->x());
                qobject_cast<QDialog*>(modal)->reject();
            });
        QCOMPARE(gfl->text(), QStringLiteral("0."));
        QVERIFY(!shared.fbp.has_value());
        dlg.hide();
    }
};

QTEST_MAIN(FbpCalcDlgTest)
#include "fbp_calc_dlg_test.moc"
