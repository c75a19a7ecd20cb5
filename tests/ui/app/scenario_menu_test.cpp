// Scenarios from the main menu: Save Scenario and Open Scenario by their shortcuts, file
// dialogs answered through the seam, failures reported with the path and the reason.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "app/main_menu_dlg.h"
#include "support/ui_test_support.h"
#include "ui/widgets/file_answers.h"
#include "ui/widgets/resources.h"

using emberlin::app::CMainMenuDlg;
using emberlin::forms::HandOver;
using emberlin::ui::FileAnswers;
using namespace emberlin::ui::testing;

class ScenarioMenuTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { emberlin::ui::InitResources(); }
    void cleanup() { FileAnswers::Clear(); }

    void savedScenarioComesBackInANewRun() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("ridge"));  // suffix added
        QString saved;
        {
            HandOver shared;
            CMainMenuDlg menu(shared);
            menu.show();
            QVERIFY(QTest::qWaitForWindowActive(&menu));
            auto& fbp = menu.FbpCalculator().Model();
            fbp.TypeText("ffmc", "91.25");
            fbp.Click(emberlin::forms::FuelBoxId(emberlin::kM1));
            menu.FwiCalculator().Model().TypeText("rain", "3.5");
            menu.DiurnalWeather().Model().TypeText("maxWind", "40");

            FileAnswers::SetNextPath(path);
            AnsweredMessages messages(0);
            QTest::keyClick(&menu, Qt::Key_S, Qt::ControlModifier);
            QTRY_COMPARE(FileAnswers::Pending(), 0);  // a shortcut clicks its button animated
            QCOMPARE(FileAnswers::TakeCaptions(), QStringList{QStringLiteral("Save Scenario")});
            QCOMPARE(messages.Texts(), QStringList());
            saved = path + QStringLiteral(".emberlin.json");
            QVERIFY(QFileInfo::exists(saved));
            // Only the scenario: QSaveFile leaves no temporary file behind.
            QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                     QStringList{QStringLiteral("ridge.emberlin.json")});

            // A folder that does not exist: the path and the reason, no file.
            const QString missing =
                folder.filePath(QStringLiteral("no/such/folder/x.emberlin.json"));
            FileAnswers::SetNextPath(missing);
            AnsweredMessages failure;
            QTest::mouseClick(menu.CommandButton(emberlin::app::kCmdSaveScenario), Qt::LeftButton);
            QCOMPARE(failure.Texts().size(), 1);
            QVERIFY2(failure.Texts().front().startsWith(
                         QStringLiteral("The scenario could not be saved to %1: ")
                             .arg(QDir::toNativeSeparators(missing))),
                     qPrintable(failure.Texts().front()));
            QCOMPARE(failure.Titles(), QStringList{QStringLiteral("EMBERLIN")});
            QVERIFY(!QFileInfo::exists(missing));
            QCOMPARE(FileAnswers::TakeCaptions(), QStringList{QStringLiteral("Save Scenario")});
        }

        // The program quit; a new run opens the file.
        HandOver shared;
        CMainMenuDlg menu(shared);
        menu.show();
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        FileAnswers::SetNextPath(saved);
        {
            AnsweredMessages none(0);
            QTest::keyClick(&menu, Qt::Key_O, Qt::ControlModifier);
            QTRY_COMPARE(FileAnswers::Pending(), 0);
            QCOMPARE(FileAnswers::TakeCaptions(), QStringList{QStringLiteral("Open Scenario")});
            QCOMPARE(none.Texts(), QStringList());
        }
        QCOMPARE(menu.FbpCalculator().Model().Text("ffmc"), std::string("91.25"));
        QCOMPARE(menu.FbpCalculator().Model().FuelIndex(), emberlin::kM1);
        QCOMPARE(menu.FwiCalculator().Model().Text("rain"), std::string("3.5"));
        QCOMPARE(menu.DiurnalWeather().Model().Text("maxWind"), std::string("40"));
        // The window shows them when it opens.
        WhileModal([&] { menu.OnCommand(emberlin::app::kCmdFbpCalculator); },
                   [&](QWidget* modal) {
                       auto* ffmc = modal->findChild<QLineEdit*>(QStringLiteral("ffmc"));
                       QVERIFY(ffmc != nullptr);
                       QCOMPARE(ffmc->text(), QStringLiteral("91.25"));
                       qobject_cast<QDialog*>(modal)->reject();
                   });

        // A refused file: its message, and nothing changes.
        const QString bad =
            QDir(QFileInfo(saved).path()).filePath(QStringLiteral("bad.emberlin.json"));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"format": "emberlin-scenario", "version": 1, "fbpCalculator": {"ffmc": 20,
  "bui": 700}})");
        file.close();
        FileAnswers::SetNextPath(bad);
        AnsweredMessages refusal;
        QTest::mouseClick(menu.CommandButton(emberlin::app::kCmdOpenScenario), Qt::LeftButton);
        QCOMPARE(refusal.Texts(),
                 QStringList{QStringLiteral("The scenario %1 was not opened, and nothing was "
                                            "changed: line 2, column 10, fbpCalculator bui (BUI): "
                                            "Please enter a number between 0 and 650.")
                                 .arg(QDir::toNativeSeparators(bad))});
        QCOMPARE(menu.FbpCalculator().Model().Text("ffmc"), std::string("91.25"));
    }

    // Scenarios reach every calculator's model whether its window was never built or was
    // opened and closed (the menu keeps the models; a closed window is kept or destroyed).
    void scenarioReachesWindowsNeverBuiltAndClosed_data() {
        QTest::addColumn<bool>("openEach");
        QTest::newRow("straight after start-up") << false;
        QTest::newRow("after opening each window once") << true;
    }
    void scenarioReachesWindowsNeverBuiltAndClosed() {
        QFETCH(bool, openEach);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString typed = folder.filePath(QStringLiteral("typed.emberlin.json"));
        {
            // A whole scenario (every key its version holds) with two values typed.
            HandOver shared;
            CMainMenuDlg writer(shared);
            for (const emberlin::forms::ScenarioWindow& window : writer.ScenarioWindows()) {
                if (window.key == "fwiCalculator") window.form->TypeText("rain", "3.5");
                if (window.key == "diurnalWeather") window.form->TypeText("maxWind", "40");
            }
            QFile file(typed);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::fromStdString(
                emberlin::forms::WriteScenario(writer.ScenarioWindows())));
            file.close();
        }
        const QString saved = folder.filePath(QStringLiteral("saved.emberlin.json"));
        auto fwiRain = [](CMainMenuDlg& menu) {
            return menu.ScenarioWindows().front().form->Text("rain");
        };
        // The menu shown, with every window opened and closed once in the second row; `built`
        // counts the windows that exist then.
        auto ready = [&](CMainMenuDlg& menu, int& built) {
            menu.show();
            QVERIFY(QTest::qWaitForWindowExposed(&menu));
            for (int command : emberlin::app::kFormCommands) {
                if (!openEach) break;
                WhileModal([&] { menu.OnCommand(command); },
                           [&](QWidget* modal) {
                               QVERIFY(modal != nullptr);
                               qobject_cast<QDialog*>(modal)->reject();
                           });
            }
            built = menu.BuiltWindows();
        };
        {
            HandOver shared;
            CMainMenuDlg menu(shared);
            int built = 0;
            ready(menu, built);
            if (QTest::currentTestFailed()) return;
            // Opening and saving a scenario builds no window.
            AnsweredMessages none(0);
            menu.OpenScenarioFile(typed);
            QCOMPARE(none.Texts(), QStringList());
            QCOMPARE(fwiRain(menu), std::string("3.5"));
            FileAnswers::SetNextPath(saved);
            menu.OnCommand(emberlin::app::kCmdSaveScenario);
            QVERIFY(QFileInfo::exists(saved));
            QCOMPARE(menu.BuiltWindows(), built);
        }
        HandOver shared;
        CMainMenuDlg menu(shared);
        int built = 0;
        ready(menu, built);
        if (QTest::currentTestFailed()) return;
        menu.OpenScenarioFile(saved);
        QCOMPARE(fwiRain(menu), std::string("3.5"));
        QCOMPARE(menu.BuiltWindows(), built);
        // A window built after the scenario, or kept from before it, shows its values when
        // it opens.
        WhileModal([&] { menu.OnCommand(emberlin::app::kCmdDiurnalWeather); },
                   [&](QWidget* modal) {
                       auto* wind = modal->findChild<QLineEdit*>(QStringLiteral("maxWind"));
                       QVERIFY(wind != nullptr);
                       QCOMPARE(wind->text(), QStringLiteral("40"));
                       qobject_cast<QDialog*>(modal)->reject();
                   });
        QCOMPARE(menu.BuiltWindows(), openEach ? built : built + 1);
    }
};

QTEST_MAIN(ScenarioMenuTest)
#include "scenario_menu_test.moc"
