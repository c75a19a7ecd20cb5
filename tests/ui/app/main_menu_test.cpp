// The main menu: every button opens its form modally and returns to the menu.
#include <QApplication>
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

// A way out of the menu.
using Leave = std::function<void(CMainMenuDlg&)>;
Q_DECLARE_METATYPE(Leave)

class MainMenuTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { emberlin::ui::InitResources(); }

    void everyButtonOpensItsFormAndComesBack_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("title");
        QTest::newRow("documentation")
            << int(app::kCmdDocumentation) << "EMBERLIN - More Information";
        QTest::newRow("fwi structure") << int(app::kCmdFwiStructure) << "EMBERLIN - FWI  Structure";
        QTest::newRow("fuel types") << int(app::kCmdFbpFuelTypes) << "FBP Fuel Types";
        QTest::newRow("references") << int(app::kCmdReferences) << "EMBERLIN - References";
        QTest::newRow("fbp structure") << int(app::kCmdFbpStructure) << "EMBERLIN - FBP Structure";
        QTest::newRow("fire examples") << int(app::kCmdFireExamples) << "Examples of Fire Behavior";
        QTest::newRow("fwi") << int(app::kCmdFwiCalculator) << "EMBERLIN - FWI Calculator";
        QTest::newRow("fbp") << int(app::kCmdFbpCalculator) << "EMBERLIN - FBP Calculator";
        QTest::newRow("fuel assessment")
            << int(app::kCmdFuelAssessment) << "EMBERLIN - FBP Projection by Fuel Type";
        QTest::newRow("diurnal") << int(app::kCmdDiurnalWeather) << "Diurnal Weather Calculator";
        QTest::newRow("detection")
            << int(app::kCmdDetectionAssessment) << "EMBERLIN - FBP Detection Assessment";
        QTest::newRow("about") << int(app::kCmdAbout) << "About  EMBERLIN";
    }
    void everyButtonOpensItsFormAndComesBack() {
        QFETCH(int, command);
        QFETCH(QString, title);
        HandOver shared;
        CMainMenuDlg menu(shared);
        menu.show();
        QCOMPARE(menu.windowTitle(), QStringLiteral("EMBERLIN Main Menu"));
        QPushButton* button = menu.CommandButton(command);
        QVERIFY(button != nullptr);
        QVERIFY(button->isEnabled());
        QString shown;
        WhileModal([&] { QTest::mouseClick(button, Qt::LeftButton); },
                   [&](QWidget* modal) {
                       QVERIFY(modal != nullptr);
                       shown = modal->windowTitle();
                       qobject_cast<QDialog*>(modal)->reject();
                   });
        QCOMPARE(shown, title);
        QVERIFY(menu.isVisible());
    }

    // Start-up builds no form window and draws no picture beyond the menu's own; a window is
    // built when it opens and kept when it closes, without its native window, and the same
    // window opens again with what was typed.
    void windowsAreBuiltOnFirstUse() {
        const int renderedBefore = emberlin::ui::PicturesRendered();
        QApplication::setWindowIcon(QIcon());
        HandOver shared;
        CMainMenuDlg menu(shared);
        QCOMPARE(emberlin::ui::PicturesRendered(), renderedBefore);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        // The application icon follows the menu's first paint, with its six sizes.
        QTRY_COMPARE(QApplication::windowIcon().availableSizes().size(), 6);
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
    void quittingWithResultsAsksFirst_data() {
        QTest::addColumn<Leave>("leave");
        QTest::newRow("ok") << Leave([](CMainMenuDlg& m) {
            QTest::mouseClick(m.CommandButton(app::kCmdOk), Qt::LeftButton);
        });
        QTest::newRow("cancel") << Leave([](CMainMenuDlg& m) {
            QTest::mouseClick(m.CommandButton(app::kCmdCancel), Qt::LeftButton);
        });
        QTest::newRow("escape") << Leave(
            [](CMainMenuDlg& m) { QTest::keyClick(&m, Qt::Key_Escape); });
        QTest::newRow("close box") << Leave([](CMainMenuDlg& m) { m.close(); });
    }
    void quittingWithResultsAsksFirst() {
        QFETCH(Leave, leave);
        HandOver shared;
        CMainMenuDlg menu(shared);
        menu.show();
        menu.DiurnalWeather().Model().Click("calculate");
        AnsweredMessages answers(0);
        answers.Answer(QMessageBox::No);
        leave(menu);
        QVERIFY(menu.isVisible());
        QCOMPARE(answers.Texts(), QStringList{QString::fromLatin1(CMainMenuDlg::kQuitQuestion)});
        answers.Answer(QMessageBox::Yes);
        leave(menu);
        QVERIFY(!menu.isVisible());
        QCOMPARE(answers.Pending(), 0);
    }

    // -1: the close box (kCmdOk is 0).
    void okCancelAndTheCloseBoxEndTheMenu_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("ok") << int(app::kCmdOk);
        QTest::newRow("cancel") << int(app::kCmdCancel);
        QTest::newRow("close box") << -1;
    }
    void okCancelAndTheCloseBoxEndTheMenu() {
        QFETCH(int, command);
        HandOver shared;
        CMainMenuDlg menu(shared);
        QTimer::singleShot(0, [&] {
            if (command == -1) {
                menu.close();
            } else {
                QTest::mouseClick(menu.CommandButton(command), Qt::LeftButton);
            }
        });
        menu.exec();
        QVERIFY(!menu.isVisible());
    }
};

QTEST_MAIN(MainMenuTest)
#include "main_menu_test.moc"
