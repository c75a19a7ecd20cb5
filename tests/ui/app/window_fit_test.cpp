// Every window opened from the main menu fits the screen it opens on: no larger than the
// available area, no content scrolling sideways, every action button wholly on it, the typing
// warning line outside the scrolled content. Run it at any screen size (offscreen
// gives 800 x 600; under Xvfb, any size and QT_SCALE_FACTOR).
#include <QAbstractButton>
#include <QDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <algorithm>

#include "app/main_menu_dlg.h"
#include "support/ui_test_support.h"
#include "ui/widgets/resources.h"

using emberlin::app::CMainMenuDlg;
using emberlin::forms::HandOver;
namespace app = emberlin::app;
using namespace emberlin::ui::testing;

namespace {

// Whether the widget sits inside scrolled content (the arranged windows' or any window's own).
bool Scrolled(QWidget* window, QWidget* widget) {
    const QList<QScrollArea*> scrolls = window->findChildren<QScrollArea*>();
    return std::any_of(scrolls.begin(), scrolls.end(), [widget](QScrollArea* s) {
        return s->widget() != nullptr && s->widget()->isAncestorOf(widget);
    });
}

// The buttons of a window that are not inside its scrolled content: its action buttons.
// Buttons inside scrolled content scroll into view with it; the action rows stay outside.
QList<QAbstractButton*> ActionButtons(QWidget* window) {
    QList<QAbstractButton*> actions;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || qobject_cast<QPushButton*>(button) == nullptr) continue;
        if (!Scrolled(window, button)) actions << button;
    }
    return actions;
}

// Why the window does not fit its screen, or "" when it does.
QString Misfit(QWidget* window) {
    const QRect area = window->screen()->availableGeometry();
    if (window->width() > area.width() || window->height() > area.height()) {
        return QStringLiteral("%1 is %2 x %3, larger than the available %4 x %5")
            .arg(window->windowTitle())
            .arg(window->width())
            .arg(window->height())
            .arg(area.width())
            .arg(area.height());
    }
    // The typing warning stays in sight above the action row, never scrolled away.
    if (auto* warning = window->findChild<QWidget*>(QStringLiteral("typingWarning"));
        warning != nullptr && Scrolled(window, warning)) {
        return window->windowTitle() + QStringLiteral(": the typing warning line scrolls away");
    }
    // From 1366 px wide on (1366 x 768, or 2732 x 1536 at scale 2), no content is wider than
    // its window: nothing behind a sideways scroll bar. Smaller screens may scroll.
    for (QScrollArea* scroll : window->findChildren<QScrollArea*>()) {
        if (area.width() < 1366) break;
        if (scroll->widget() == nullptr || !scroll->isVisible()) continue;
        // The FBP calculator shows every output and its fire shape's buttons without scrolling.
        if (window->objectName() == QLatin1String("CFbpCalcDlg") && area.height() >= 768 &&
            scroll->verticalScrollBar()->maximum() > 0) {
            return window->windowTitle() + QStringLiteral(": outputs below the fold");
        }
        if (scroll->horizontalScrollBar()->maximum() > 0) {
            return QStringLiteral("%1: content %2 px wide in a view of %3 px scrolls sideways")
                .arg(window->windowTitle())
                .arg(scroll->widget()->width())
                .arg(scroll->viewport()->width());
        }
    }
    const QList<QAbstractButton*> actions = ActionButtons(window);
    if (actions.isEmpty()) return window->windowTitle() + QStringLiteral(": no action buttons");
    for (QAbstractButton* button : actions) {
        const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
        if (!area.contains(onScreen)) {
            return QStringLiteral(
                       "%1: \"%2\" at (%3, %4, %5 x %6) is not within (%7, %8, %9 x %10)")
                .arg(window->windowTitle(), button->text())
                .arg(onScreen.x())
                .arg(onScreen.y())
                .arg(onScreen.width())
                .arg(onScreen.height())
                .arg(area.x())
                .arg(area.y())
                .arg(area.width())
                .arg(area.height());
        }
    }
    return {};
}

// With EMBERLIN_FIT_SHOTS set to a folder, the whole screen is saved there for each window,
// to look at under Xvfb.
void SaveShot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("EMBERLIN_FIT_SHOTS");
    if (folder.isEmpty()) return;
    QTest::qWait(200);
    window->screen()->grabWindow(0).save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace

class WindowFitTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { emberlin::ui::InitResources(); }

    // The menu itself (-1), then every window it opens, named by its button.
    void everyWindowKeepsItsActionButtonsOnTheScreen_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("main menu") << -1;
        HandOver shared;
        CMainMenuDlg menu(shared);
        QList<int> commands(std::begin(app::kFormCommands), std::end(app::kFormCommands));
        commands << app::kCmdAbout;
        for (int command : commands) {
            QTest::addRow("%s", qPrintable(menu.CommandButton(command)->text().remove('&')))
                << command;
        }
    }
    void everyWindowKeepsItsActionButtonsOnTheScreen() {
        QFETCH(int, command);
        HandOver shared;
        CMainMenuDlg menu(shared);
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        if (command == -1) {
            const QString menuMisfit = Misfit(&menu);
            QVERIFY2(menuMisfit.isEmpty(), qPrintable(menuMisfit));
            SaveShot(&menu, QStringLiteral("main_menu"));
            qInfo("screen %dx%d, main menu %dx%d", menu.screen()->availableGeometry().width(),
                  menu.screen()->availableGeometry().height(), menu.width(), menu.height());
            return;
        }
        QString misfit;
        QString title;
        WhileModal([&] { menu.CommandButton(command)->click(); },
                   [&](QWidget* modal) {
                       QVERIFY(modal != nullptr);
                       QTest::qWait(20);  // let the layout settle
                       title = modal->windowTitle();
                       misfit = Misfit(modal);
                       SaveShot(modal, modal->objectName());
                       qInfo("%s: %dx%d", qPrintable(title), modal->width(), modal->height());
                       qobject_cast<QDialog*>(modal)->reject();
                   });
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
    }
};

QTEST_MAIN(WindowFitTest)
#include "window_fit_test.moc"
