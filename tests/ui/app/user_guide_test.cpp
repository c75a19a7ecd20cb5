// The user guide behind F1: pressed in every window opened from the main menu (and in the
// menu itself, and through its Help button), it opens the guide's section for that window,
// scrolled so that the section's heading is in sight.
#include "ui/widgets/user_guide.h"

#include <QDialog>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>

#include "app/main_menu_dlg.h"
#include "support/ui_test_support.h"
#include "ui/widgets/resources.h"

using emberlin::app::CMainMenuDlg;
using emberlin::forms::HandOver;
using emberlin::ui::CGuideWindow;
namespace app = emberlin::app;
using namespace emberlin::ui::testing;

namespace {

// Why the guide window of `window` does not show `anchor` with its `heading` in sight, or "".
QString WrongSection(QWidget* window, const char* anchor, const char* heading) {
    auto* guide = window->findChild<CGuideWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (guide == nullptr || !guide->isVisible()) {
        return window->windowTitle() + QStringLiteral(": F1 opened no guide");
    }
    QTextBrowser* browser = guide->Browser();
    QTest::qWait(20);  // the scroll to the anchor follows the layout
    const QString fragment = browser->source().fragment();
    // The section's heading: the first line with text from its anchor on (the last sections
    // cannot scroll it to the top, so it is asked in sight, not on top).
    QTextBlock block = browser->document()->begin();
    for (; block.isValid(); block = block.next()) {
        bool anchored = block.charFormat().anchorNames().contains(QLatin1String(anchor));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            anchored = anchored ||
                       it.fragment().charFormat().anchorNames().contains(QLatin1String(anchor));
        }
        if (anchored) break;
    }
    while (block.isValid() && block.text().trimmed().isEmpty()) block = block.next();
    const bool inSight =
        block.isValid() && block.text().trimmed() == QString::fromUtf8(heading) &&
        browser->viewport()->rect().contains(browser->cursorRect(QTextCursor(block)).center());
    // With EMBERLIN_FIT_SHOTS set to a folder, the screen with the guide is saved there.
    if (const QString folder = qEnvironmentVariable("EMBERLIN_FIT_SHOTS"); !folder.isEmpty()) {
        QTest::qWait(200);
        guide->screen()->grabWindow(0).save(folder + QStringLiteral("/guide_") +
                                            QLatin1String(anchor) + QStringLiteral(".png"));
    }
    guide->close();
    if (fragment != QLatin1String(anchor)) {
        return QStringLiteral("%1: guide at #%2, not #%3")
            .arg(window->windowTitle(), fragment, QLatin1String(anchor));
    }
    if (!inSight) {
        return QStringLiteral("%1: the heading \"%2\" after #%3 is not in sight")
            .arg(window->windowTitle(), QString::fromUtf8(heading), QLatin1String(anchor));
    }
    return {};
}

}  // namespace

class UserGuideTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { emberlin::ui::InitResources(); }

    // The menu itself (-1), then every window it opens: the anchor and heading of its section.
    void f1OpensTheSectionOfEveryWindow_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QByteArray>("anchor");
        QTest::addColumn<QByteArray>("heading");
        const auto row = [](const char* name, int command, const char* anchor,
                            const char* heading) {
            QTest::newRow(name) << command << QByteArray(anchor) << QByteArray(heading);
        };
        row("main menu", -1, "main-menu", "The main menu");
        row("documentation", app::kCmdDocumentation, "more-information", "Documentation");
        row("fwi structure", app::kCmdFwiStructure, "fwi-structure", "FWI Structure");
        row("fuel types", app::kCmdFbpFuelTypes, "fbp-fuel-types", "FBP Fuel Types");
        row("references", app::kCmdReferences, "references", "References");
        row("fbp structure", app::kCmdFbpStructure, "fbp-structure", "FBP Structure");
        row("fire examples", app::kCmdFireExamples, "fire-examples", "Fire Behavior Examples");
        row("fwi", app::kCmdFwiCalculator, "fwi-calculator", "FWI Calculator");
        row("fbp", app::kCmdFbpCalculator, "fbp-calculator", "FBP Calculator");
        row("fuel assessment", app::kCmdFuelAssessment, "fuel-projection",
            "Fuel Assessment (FBP Projection by Fuel Type)");
        row("diurnal", app::kCmdDiurnalWeather, "diurnal-weather", "Diurnal Weather Calculator");
        row("detection", app::kCmdDetectionAssessment, "detection-assessment",
            "Detection Assessment");
        row("fire by hour", app::kCmdFireByHour, "fire-by-hour", "Fire Behaviour by Hour");
        row("about", app::kCmdAbout, "about", "About EMBERLIN");
    }
    void f1OpensTheSectionOfEveryWindow() {
        QFETCH(int, command);
        QFETCH(QByteArray, anchor);
        QFETCH(QByteArray, heading);
        HandOver shared;
        CMainMenuDlg menu(shared);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));

        QString wrong;
        if (command == -1) {
            QTest::keyClick(&menu, Qt::Key_F1);
            wrong = WrongSection(&menu, anchor.constData(), heading.constData());
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
            // Help opens the same section, also once the guide has been scrolled elsewhere.
            emberlin::ui::OpenGuide(&menu, QStringLiteral("about"));
            menu.findChild<QPushButton*>(QStringLiteral("helpButton"))->click();
            wrong = WrongSection(&menu, anchor.constData(), heading.constData());
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
            return;
        }
        WhileModal([&] { menu.CommandButton(command)->click(); },
                   [&](QWidget* modal) {
                       QVERIFY(modal != nullptr);
                       // F1 where the keyboard focus is, as a user presses it.
                       QWidget* focus = modal->focusWidget();
                       QTest::keyClick(focus != nullptr ? focus : modal, Qt::Key_F1);
                       wrong = WrongSection(modal, anchor.constData(), heading.constData());
                       qobject_cast<QDialog*>(modal)->reject();
                   });
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }
};

QTEST_MAIN(UserGuideTest)
#include "user_guide_test.moc"
