// The main menu and the FWI calculator, driven through their real widgets.
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "app/main_menu_dlg.h"
#include "support/ui_test_support.h"
#include "ui/widgets/resources.h"

using emberlin::app::CMainMenuDlg;
using emberlin::forms::HandOver;
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

        WhileModal(
            [&] { QTest::mouseClick(menu.CommandButton(app::kCmdFwiCalculator), Qt::LeftButton); },
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
        QCOMPARE(messages.Texts(),
                 QStringList{"Yesterday's FFMC: Please enter a number between 0 and 101."});
        QVERIFY(!shared.fwi.has_value());
        QCOMPARE(ffmc->selectedText(), QStringLiteral("102"));
        dlg.hide();
    }

    // A screen reader's "toggle" action on Real acts as a click: the seven values in Real.
    void theAccessibleToggleActionChoosesTheFormat() {
        HandOver shared;
        CMainMenuDlg menu(shared);
        auto& dlg = menu.FwiCalculator();
        dlg.ShowForm();
        HandOver reference;
        emberlin::forms::FwiCalcForm real(reference);
        real.Click("realOption");

        QAccessibleInterface* box =
            QAccessible::queryAccessibleInterface(dlg.findChild<QCheckBox*>("realOption"));
        QVERIFY(box != nullptr && box->actionInterface() != nullptr);
        QVERIFY(box->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::toggleAction()));
        box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        for (const char* id :
             {"ffmcText", "dmcText", "dcText", "isiText", "buiText", "fwiText", "dsrText"}) {
            const QString text = dlg.findChild<QLineEdit*>(id)->text();
            QCOMPARE(text, QString::fromStdString(real.Text(id)));
            QVERIFY2(text.contains(QLatin1Char('.')), id);
        }
        QVERIFY(dlg.findChild<QCheckBox*>("realOption")->isChecked());
        QVERIFY(!dlg.findChild<QCheckBox*>("integerOption")->isChecked());
        // The keyboard's space bar toggles it back the same way.
        auto* integer = dlg.findChild<QCheckBox*>("integerOption");
        integer->setFocus();
        QTest::keyClick(integer, Qt::Key_Space);
        QCOMPARE(dlg.findChild<QLineEdit*>("isiText")->text(), QStringLiteral("10"));
        dlg.hide();
    }

    // After an edit the results are greyed, unchanged, under a line that says so; Alt+C
    // calculates and makes them current again.
    void editedInputsGreyTheResultsUntilAltCCalculates() {
        HandOver shared;
        CMainMenuDlg menu(shared);
        auto& dlg = menu.FwiCalculator();
        dlg.ShowForm();
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));  // shortcuts reach the active window
        auto* stale = dlg.findChild<QLabel*>("staleResults");
        auto* isi = dlg.findChild<QLineEdit*>("isiText");
        QVERIFY(stale != nullptr && isi != nullptr);
        QVERIFY(stale->isVisible());
        QVERIFY(stale->text().isEmpty());
        const QColor normal = isi->palette().color(QPalette::Active, QPalette::Text);

        TypeInto(dlg.findChild<QLineEdit*>("windSpeed"), "40");
        QVERIFY(stale->isVisible());
        QCOMPARE(stale->text(),
                 QStringLiteral("Results are for the earlier inputs: press Calculate"));
        QCOMPARE(isi->text(), QStringLiteral("10"));
        QVERIFY(isi->palette().color(QPalette::Active, QPalette::Text) != normal);
        // The rows of action buttons and the stale line stay outside the scrolled part.
        QVERIFY(!dlg.findChild<QWidget*>("scrolledContent")->isAncestorOf(stale));

        QCOMPARE(dlg.findChild<QPushButton*>("calculate")->text(), QStringLiteral("&Calculate"));
        QTest::keyClick(&dlg, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(shared.fwi.has_value());  // a mnemonic clicks after the button's animation
        QCOMPARE(shared.fwi->windSpeed, 40.0);
        QVERIFY(stale->text().isEmpty());
        QCOMPARE(isi->palette().color(QPalette::Active, QPalette::Text), normal);

        // Every button has its own mnemonic; every field its tip, also read by screen readers.
        QStringList mnemonics;
        for (QPushButton* button : dlg.findChildren<QPushButton*>()) {
            if (button->window() != &dlg) continue;  // the acronyms panel's own buttons
            const qsizetype amp = button->text().indexOf(QLatin1Char('&'));
            QVERIFY2(amp >= 0, qPrintable(button->text()));
            const QChar key = button->text().at(amp + 1).toLower();
            QVERIFY2(!mnemonics.contains(key), qPrintable(button->text()));
            mnemonics << key;
        }
        for (QLineEdit* edit : dlg.findChildren<QLineEdit*>()) {
            if (edit->window() != &dlg) continue;
            QVERIFY2(!edit->toolTip().isEmpty(), qPrintable(edit->objectName()));
            QCOMPARE(edit->accessibleDescription(), edit->toolTip());
        }
        dlg.hide();
    }

    void aboutBoxAndAcronymsOpenAndClose() {
        HandOver shared;
        CMainMenuDlg menu(shared);
        menu.show();
        for (int i = 0; i < 2; ++i) {
            WhileModal([&] { menu.OnCommand(app::kCmdAbout); },
                       [&](QWidget* modal) {
                           QVERIFY(modal != nullptr);
                           QCOMPARE(modal->windowTitle(), QStringLiteral("About  EMBERLIN"));
                           qobject_cast<QDialog*>(modal)->accept();
                       });
        }
        auto& dlg = menu.FwiCalculator();
        dlg.ShowForm();
        WhileModal(
            [&] { QTest::mouseClick(dlg.findChild<QPushButton*>("acronyms"), Qt::LeftButton); },
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
