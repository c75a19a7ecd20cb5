// The main menu: every button opens its form modally and returns to the menu.
#include <QDialog>
#include <QTest>

#include "app/main_menu_dlg.h"
#include "ui/resources.h"
#include "ui_test_support.h"

using emberlin::SharedValues;
using emberlin::app::CMainMenuDlg;
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
        SharedValues shared;
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

    void okCancelAndTheCloseBoxEndTheMenu() {
        for (int command : {int(app::kCmdOk), int(app::kCmdCancel), 0}) {
            SharedValues shared;
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
