#include "app/fire_danger_app.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/main_menu_dlg.h"
#include "forms/models/hand_over.h"
#include "ui/widgets/resources.h"

namespace emberlin::app {

namespace {

void ReportStartFailure(const char* reason) {
    std::fprintf(stderr,
                 "Failed: %s\nEMBERLIN needs a display: run it on a desktop session, or under "
                 "xvfb-run for testing.\n",
                 reason);
}

// While the toolkit starts, its warnings are held back: the first one is the real reason
// when the start fails ("could not connect to display :1"), and Qt's own fatal text after
// it ("Reinstalling the application may fix this problem") would mislead.
bool gStarting = true;
QStringList gHeldWarnings;

// Qt aborts after a fatal message (no reachable display, no platform plugin); report it
// our way and end with status 1 instead.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        const QString reason =
            gStarting && !gHeldWarnings.isEmpty() ? gHeldWarnings.first() : message;
        ReportStartFailure(reason.toLocal8Bit().constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (type == QtCriticalMsg || type == QtWarningMsg) {
        if (gStarting) {
            gHeldWarnings.append(message);
        } else {
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        }
    }
}

bool DisplayNamed() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0' && std::strncmp(platform, "xcb", 3) != 0 &&
        std::strncmp(platform, "wayland", 7) != 0) {
        return true;  // offscreen, vnc and the like need no display server
    }
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int CFireDangerApp::Run(int argc, char** argv) {
    if (!DisplayNamed()) {
        ReportStartFailure("no display server is named (DISPLAY is not set)");
        return 1;
    }
    qInstallMessageHandler(StartupMessageHandler);
    QApplication application(argc, argv);
    // Started: warnings held back during the start are shown after all.
    gStarting = false;
    for (const QString& warning : gHeldWarnings) {
        std::fprintf(stderr, "%s\n", warning.toLocal8Bit().constData());
    }
    gHeldWarnings.clear();
    // QApplication takes the C library's locale from the environment; numbers are always
    // read and written with a decimal point.
    std::setlocale(LC_NUMERIC, "C");
    ui::InitResources();
    QApplication::setApplicationName(QStringLiteral("EMBERLIN"));
    // Ties the windows to the installed desktop entry (its icon and name in task switchers).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.emberlin.Emberlin"));

    forms::HandOver shared;
    CMainMenuDlg menu(shared);
    if (!scenarioToOpen_.empty()) {
        // Once the menu is up, so that a refusal's message has a window to stand over.
        const QString path = QString::fromLocal8Bit(scenarioToOpen_.c_str());
        QTimer::singleShot(0, &menu, [&menu, path] { menu.OpenScenarioFile(path); });
    }
    menu.exec();
    return 0;
}

}  // namespace emberlin::app
