// The main menu: every button opens its form modally and returns to the menu.
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <functional>

#include "app/main_menu_dlg.h"
#include "support/result_grid_support.h"
#include "support/ui_test_support.h"
#include "ui/pictures/picture.h"
#include "ui/widgets/resources.h"

using emberlin::app::CMainMenuDlg;
using emberlin::forms::HandOver;
namespace app = emberlin::app;
using namespace emberlin::ui::testing;

class MainMenuTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { emberlin::ui::InitResources(); }

    void everyButtonOpensItsFormAndComesBack() {
        struct Expected {
            int command;
            const char* title;
        };
        const Expected expected[] = {
            {app::kCmdDocumentation, "EMBERLIN - More Information"},
            {app::kCmdFwiStructure, "EMBERLIN - FWI  Structure"},
            {app::kCmdFbpFuelTypes, "FBP Fuel Types"},
            {app::kCmdReferences, "EMBERLIN - References"},
            {app::kCmdFbpStructure, "EMBERLIN - FBP Structure"},
            {app::kCmdFireExamples, "Examples of Fire Behavior"},
            {app::kCmdFwiCalculator, "EMBERLIN - FWI Calculator"},
            {app::kCmdFbpCalculator, "EMBERLIN - FBP Calculator"},
            {app::kCmdFuelAssessment, "EMBERLIN - FBP Projection by Fuel Type"},
            {app::kCmdDiurnalWeather, "Diurnal Weather Calculator"},
            {app::kCmdDetectionAssessment, "EMBERLIN - FBP Detection Assessment"},
            {app::kCmdAbout, "About  EMBERLIN"},
        };
        HandOver shared;
        CMainMenuDlg menu(shared);
        menu.show();
        QCOMPARE(menu.windowTitle(), QStringLiteral("EMBERLIN Main Menu"));
        for (const Expected& e : expected) {
            QPushButton* button = menu.CommandButton(e.command);
            QVERIFY(button != nullptr);
            QVERIFY2(button->isEnabled(), e.title);
            QString title;
            WhileModal([&] { QTest::mouseClick(button, Qt::LeftButton); },
                       [&](QWidget* modal) {
                           QVERIFY(modal != nullptr);
                           title = modal->windowTitle();
                           qobject_cast<QDialog*>(modal)->reject();
                       });
            QCOMPARE(title, QString::fromUtf8(e.title));
            QVERIFY(menu.isVisible());
        }
    }

    // Start-up builds no form window and draws no picture beyond the menu's own; a window is
    // built when it opens and kept when it closes, without its native window, and the same
    // window opens again with what was typed.
    void windowsAreBuiltOnFirstUse() {
        const int renderedBefore = emberlin::ui::PicturesRendered();
        HandOver shared;
        CMainMenuDlg menu(shared);
        QCOMPARE(emberlin::ui::PicturesRendered(), renderedBefore);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QCOMPARE(menu.BuiltWindows(), 0);
        QVERIFY(menu.findChildren<emberlin::ui::CFormDlg*>().isEmpty());
        // The menu's own two pictures, drawn as it is painted.
        QCOMPARE(emberlin::ui::PicturesRendered() - renderedBefore, 2);
        // Typed on the first opening, shown again on the second.
        QWidget* first = nullptr;
        for (bool reopening : {false, true}) {
            WhileModal([&] { menu.OnCommand(app::kCmdFwiCalculator); },
                       [&](QWidget* modal) {
                           QVERIFY(modal != nullptr);
                           QCOMPARE(menu.BuiltWindows(), 1);
                           if (!reopening) first = modal;
                           QCOMPARE(modal, first);
                           auto* rain = modal->findChild<QLineEdit*>(QStringLiteral("rain"));
                           QVERIFY(rain != nullptr);
                           if (reopening) {
                               QCOMPARE(rain->text(), QStringLiteral("2.5"));
                           } else {
                               rain->selectAll();
                               QTest::keyClicks(rain, QStringLiteral("2.5"));
                           }
                           qobject_cast<QDialog*>(modal)->reject();
                       });
            QCOMPARE(menu.BuiltWindows(), 1);
            QVERIFY(first->windowHandle() == nullptr || first->windowHandle()->handle() == nullptr);
        }
        QCOMPARE(menu.FwiCalculator().Model().Text("rain"), std::string("2.5"));
    }

    // The calculators, each opened from its menu button, calculate and show their results;
    // values flow through the shared store from one form to the next.
    // Alt and a letter presses any button of the menu but Cancel (Escape): each caption has
    // its own mnemonic; Save and Open Scenario keep Ctrl+S and Ctrl+O.
    void everyButtonHasItsOwnMnemonic() {
        HandOver shared;
        CMainMenuDlg menu(shared);
        QString used;
        const QList<QPushButton*> buttons = menu.findChildren<QPushButton*>();
        for (QPushButton* button : buttons) {
            const QString text = button->text();
            // The menu's own buttons, not those of the windows it owns.
            if (button->window() != &menu || button->objectName() == QLatin1String("cancel"))
                continue;
            const qsizetype amp = text.indexOf(QLatin1Char('&'));
            QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(text));
            const QChar key = text.at(amp + 1).toLower();
            QVERIFY2(!used.contains(key), qPrintable(text));
            used += key;
            QCOMPARE(button->accessibleName(), QString(text).remove(amp, 1));
        }
        QCOMPARE(used.size(), 18);  // thirteen windows, About, Help, two scenario buttons, OK
    }

    void calculatorsRunFromTheMenu() {
        HandOver shared;
        CMainMenuDlg menu(shared);
        menu.show();
        auto open = [&](int command, const std::function<void(QWidget*)>& inside) {
            WhileModal([&] { QTest::mouseClick(menu.CommandButton(command), Qt::LeftButton); },
                       [&](QWidget* modal) {
                           QVERIFY(modal != nullptr);
                           inside(modal);
                           qobject_cast<QDialog*>(modal)->reject();
                       });
        };
        auto text = [](QWidget* w, const std::string& name) {
            auto* edit = w->findChild<QLineEdit*>(QString::fromStdString(name));
            return edit == nullptr ? QStringLiteral("<missing>") : edit->text();
        };

        open(app::kCmdFbpCalculator, [&](QWidget* w) {
            QTest::mouseClick(w->findChild<QCheckBox*>("fuelC6"), Qt::LeftButton);
            QCOMPARE(text(w, "rosText"), QStringLiteral("4.39"));
            QCOMPARE(text(w, "cfbText"), QStringLiteral("0.00"));
        });
        QVERIFY(shared.fbp.has_value());
        QCOMPARE(shared.fbp->fuelIndex, 5);

        open(app::kCmdDiurnalWeather, [&](QWidget* w) {
            QTest::mouseClick(w->findChild<QPushButton*>("calculate"), Qt::LeftButton);
            QCOMPARE(GridCell(*w, 11, 0), QStringLiteral("Noon"));
            QCOMPARE(GridCell(*w, 11, 5), QStringLiteral("Midnight"));
        });
        QVERIFY(shared.hourly.has_value());

        open(app::kCmdDetectionAssessment, [&](QWidget* w) {
            QTest::mouseClick(w->findChild<QPushButton*>("calculate"), Qt::LeftButton);
            QCOMPARE(GridCell(*w, 0, 0), QStringLiteral("1445"));
            QVERIFY(!GridRow(*w, 9).isEmpty());
        });

        open(app::kCmdFuelAssessment, [&](QWidget* w) {
            QTest::mouseClick(w->findChild<QPushButton*>("calculate"), Qt::LeftButton);
            for (int row = 0; row < emberlin::forms::FuelProjectionForm::kRowCount; ++row) {
                QVERIFY(!GridRow(*w, row).isEmpty());
            }
            QCOMPARE(GridCell(*w, 1, 0), QStringLiteral("C2"));
        });
    }

    // Once a calculator holds results, every way out of the menu asks first; No keeps it.
    void quittingWithResultsAsksFirst() {
        struct Row {
            const char* name;
            std::function<void(CMainMenuDlg&)> leave;
        };
        const Row rows[] = {
            {"ok",
             [](CMainMenuDlg& m) {
                 QTest::mouseClick(m.CommandButton(app::kCmdOk), Qt::LeftButton);
             }},
            {"cancel",
             [](CMainMenuDlg& m) {
                 QTest::mouseClick(m.CommandButton(app::kCmdCancel), Qt::LeftButton);
             }},
            {"escape", [](CMainMenuDlg& m) { QTest::keyClick(&m, Qt::Key_Escape); }},
            {"close box", [](CMainMenuDlg& m) { m.close(); }},
        };
        for (const Row& row : rows) {
            HandOver shared;
            CMainMenuDlg menu(shared);
            menu.show();
            menu.DiurnalWeather().Model().Click("calculate");
            AnsweredMessages answers(0);
            answers.Answer(QMessageBox::No);
            row.leave(menu);
            QVERIFY2(menu.isVisible(), row.name);
            QCOMPARE(answers.Texts(),
                     QStringList{QString::fromLatin1(CMainMenuDlg::kQuitQuestion)});
            answers.Answer(QMessageBox::Yes);
            row.leave(menu);
            QVERIFY2(!menu.isVisible(), row.name);
            QCOMPARE(answers.Pending(), 0);
        }
    }

    void okCancelAndTheCloseBoxEndTheMenu() {
        for (int command : {int(app::kCmdOk), int(app::kCmdCancel), 0}) {
            HandOver shared;
            CMainMenuDlg menu(shared);
            QTimer::singleShot(0, [&] {
                if (command == 0) {
                    menu.close();
                } else {
                    QTest::mouseClick(menu.CommandButton(command), Qt::LeftButton);
                }
            });
            menu.exec();
            QVERIFY(!menu.isVisible());
        }
    }
};

QTEST_MAIN(MainMenuTest)
#include "main_menu_test.moc"
