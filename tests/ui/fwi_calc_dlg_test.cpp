// The main menu and the FWI calculator, driven through their real widgets.
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "app/main_menu_dlg.h"
#include "ui/resources.h"
#include "ui_test_support.h"

using emberlin::forms::HandOver;
using emberlin::app::CMainMenuDlg;
namespace app = emberlin::app;
using namespace emberlin::ui::testing;

class FwiCalcDlgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { emberlin::ui::InitResources(); }

    void opensFromTheMenuTypesAndCalculates() {
        HandOver shared;
        CMainMenuDlg menu(shared);
        menu.show();
        QVERIFY(menu.CommandButton(app::kCmdFwiCalculator)->isEnabled());

        WhileModal([&] { QTest::mouseClick(menu.CommandButton(app::kCmdFwiCalculator), Qt::LeftButton); },
                   [&](QWidget* modal) {
                       QVERIFY(modal != nullptr);
                       QCOMPARE(modal->windowTitle(), QStringLiteral("EMBERLIN - FWI Calculator"));
                       auto* isi = modal->findChild<QLineEdit*>("isiText");
                       QVERIFY(isi != nullptr);
                       QCOMPARE(isi->text(), QStringLiteral("10"));

                       auto* rain = modal->findChild<QLineEdit*>("rain");
                       TypeInto(rain, "0.5");
                       QCOMPARE(rain->text(), QStringLiteral("0.5"));

                       QTest::mouseClick(modal->findChild<QCheckBox*>("realOption"), Qt::LeftButton);
                       QCOMPARE(isi->text(), QStringLiteral("9.82"));
                       QCOMPARE(modal->findChild<QLineEdit*>("dsrText")->text(), QStringLiteral("7.95"));
                       QVERIFY(!modal->findChild<QCheckBox*>("integerOption")->isChecked());
                       QCOMPARE(shared.fwi->rain, 0.5);

                       // Return in a field calculates.
                       auto* wind = modal->findChild<QLineEdit*>("windSpeed");
                       TypeInto(wind, "40");
                       QTest::keyClick(wind, Qt::Key_Return);
                       QCOMPARE(shared.fwi->windSpeed, 40.0);
                       QVERIFY(modal->isVisible());

                       QTest::mouseClick(modal->findChild<QPushButton*>("cancel"), Qt::LeftButton);
                   });
        // The form keeps its values between openings.
        QCOMPARE(menu.FwiCalculator().Model().Text("windSpeed"), std::string("40"));
        QVERIFY(menu.FwiCalculator().Model().IsChecked("realOption"));
    }

    void refusedFieldWarnsWhileTypingThenCalculateShowsTheMessage() {
        HandOver shared;
        CMainMenuDlg menu(shared);
        auto& dlg = menu.FwiCalculator();
        dlg.ShowForm();
        auto* ffmc = dlg.findChild<QLineEdit*>("ffmcYesterday");
        TypeInto(ffmc, "102");
        QCOMPARE(ffmc->text(), QStringLiteral("102"));
        auto* warning = dlg.findChild<QLabel*>("typingWarning");
        QVERIFY(warning->text().contains("Please enter a number between 0 and 101."));

        AnsweredMessages messages;
        QTest::mouseClick(dlg.findChild<QPushButton*>("calculate"), Qt::LeftButton);
        QCOMPARE(messages.Titles(), QStringList{"EMBERLIN"});
        QCOMPARE(messages.Texts(), QStringList{"Please enter a number between 0 and 101."});
        QVERIFY(!shared.fwi.has_value());
        QCOMPARE(ffmc->selectedText(), QStringLiteral("102"));
        dlg.hide();
    }

    void aboutBoxAndAcronymsOpenAndClose() {
        HandOver shared;
        CMainMenuDlg menu(shared);
        menu.show();
        for (int i = 0; i < 2; ++i) {
            WhileModal([&] { menu.OnCommand(app::kCmdAbout); }, [&](QWidget* modal) {
                QVERIFY(modal != nullptr);
                QCOMPARE(modal->windowTitle(), QStringLiteral("About  EMBERLIN"));
                qobject_cast<QDialog*>(modal)->accept();
            });
        }
        auto& dlg = menu.FwiCalculator();
        dlg.ShowForm();
        WhileModal([&] { QTest::mouseClick(dlg.findChild<QPushButton*>("acronyms"), Qt::LeftButton); },
                   [&](QWidget* modal) {
                       QVERIFY(modal != nullptr);
                       QCOMPARE(modal->windowTitle(), QStringLiteral("  EMBERLIN - FWI   Acronyms"));
                       bool found = false;
                       for (auto* label : modal->findChildren<QLabel*>()) {
                           found = found || label->text() == "DSR - Daily Severity Rating";
                       }
                       QVERIFY(found);
                       qobject_cast<QDialog*>(modal)->reject();
                   });
        QVERIFY(!QApplication::windowIcon().isNull());
        dlg.hide();
    }
};

QTEST_MAIN(FwiCalcDlgTest)
#include "fwi_calc_dlg_test.moc"
