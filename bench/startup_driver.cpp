// Start-up driver for timing: builds the application and the main menu with all its forms,
// shows the menu and exits as soon as it has been painted. With --open-all it then opens
// every form of the menu once (for the peak memory) before exiting. With --time-actions it
// times the calculating actions through the real dialogs, repaint included.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/main_menu_dlg.h"
#include "forms/models/hand_over.h"
#include "ui/calculators/detection_dlg.h"
#include "ui/calculators/diurnal_dlg.h"
#include "ui/calculators/fbp_calc_dlg.h"
#include "ui/calculators/fuel_projection_dlg.h"
#include "ui/pictures/chart_windows.h"
#include "ui/pictures/picture_export.h"
#include "ui/widgets/message_answers.h"
#include "ui/widgets/resources.h"

namespace {

class PaintWatcher : public QObject {
  public:
    explicit PaintWatcher(std::function<void()> onPainted) : onPainted_(std::move(onPainted)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, onPainted_);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> onPainted_;
    bool done_ = false;
};

// Closes whatever modal window is up, repeatedly, so each command returns.
void CloseModalsSoon() {
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
                return;
            }
        }
        CloseModalsSoon();
    });
}

// Median time of a click on a dialog's button until what it changed has been repainted.
// Before each click (untimed) a key in `editName` changes an input, so every click has new
// results to compute and paint.
double TimeClick(QWidget& dialog, const char* buttonName, const char* editName) {
    auto* button = dialog.findChild<QAbstractButton*>(QLatin1String(buttonName));
    auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(editName));
    if (button == nullptr || edit == nullptr) return -1;
    edit->setFocus();
    edit->end(false);
    std::vector<double> times;
    // An even number of keys, so the input ends as it began.
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(edit, i % 2 == 0 ? Qt::Key_Backspace : Qt::Key_5);
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        button->click();
        // Paint what the action changed, as the event loop does before the next frame.
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Median time of one keystroke in a line edit until what it changed has been repainted.
double TimeKeystroke(QWidget& dialog, const char* editName) {
    auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(editName));
    if (edit == nullptr) return -1;
    std::vector<double> times;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(edit, i % 2 == 0 ? Qt::Key_Backspace : Qt::Key_5);
        // Paint what the action changed, as the event loop does before the next frame.
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Median time of drawing a picture at `size` into an image, as a repaint after a Calculate does.
double TimeDrawing(const emberlin::ui::PicturePainter& paint, QSize size) {
    std::vector<double> times;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QImage image = emberlin::ui::RenderPicture(paint, size);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Opens the picture a dialog's button shows (timed until painted), then times its drawing.
void TimePicture(QWidget& dialog, const char* button, const char* name) {
    auto* push = dialog.findChild<QPushButton*>(QLatin1String(button));
    if (push == nullptr || !push->isEnabled()) {
        std::printf("%-24s not available\n", name);
        return;
    }
    QElapsedTimer timer;
    timer.start();
    push->click();
    QApplication::sendPostedEvents();
    QApplication::processEvents();
    const double open = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    emberlin::ui::PictureWindow* window = nullptr;
    for (auto* w : dialog.findChildren<emberlin::ui::PictureWindow*>()) {
        if (w->isVisible()) window = w;
    }
    if (window == nullptr) return;
    std::printf("%-24s %7.2f ms to open, %7.2f ms to draw\n", name, open,
                TimeDrawing(window->Painter(), window->PictureSize()));
    window->hide();
}

void TimePictures(emberlin::app::CMainMenuDlg& menu) {
    std::printf("pictures after a Calculate (drawing: median of 20):\n");
    auto& fbp = menu.FbpCalculator();
    fbp.ShowForm();
    fbp.findChild<QPushButton*>(QStringLiteral("calculate"))->click();
    QApplication::processEvents();
    std::printf("%-24s %7.2f ms to draw\n", "FBP fire shape panel",
                TimeDrawing(fbp.ShapeView().Painter(), fbp.ShapeView().size()));
    fbp.hide();
    const struct {
        emberlin::ui::CFormDlg* dialog;
        const char* button;
        const char* name;
    } pictures[] = {
        {&menu.DiurnalWeather(), "chart", "Diurnal chart"},
        {&menu.Detection(), "chart", "Detection chart"},
        {&menu.Detection(), "fireShape", "Detection fire shape"},
        {&menu.FuelProjection(), "chart", "Projection chart"},
    };
    for (const auto& p : pictures) {
        p.dialog->ShowForm();
        p.dialog->findChild<QPushButton*>(QStringLiteral("calculate"))->click();
        QApplication::processEvents();
        TimePicture(*p.dialog, p.button, p.name);
        p.dialog->hide();
    }
}

void TimeActions(emberlin::app::CMainMenuDlg& menu) {
    struct Action {
        const char* name;
        emberlin::ui::CFormDlg* dialog;
        const char* button;
        const char* edit;
    };
    menu.DiurnalWeather().ShowForm();
    menu.DiurnalWeather().findChild<QPushButton*>(QStringLiteral("calculate"))->click();
    const Action actions[] = {
        {"FWI Calculate", &menu.FwiCalculator(), "calculate", "windSpeed"},
        {"FBP Calculate", &menu.FbpCalculator(), "calculate", "windSpeed"},
        {"FBP fuel box C4", &menu.FbpCalculator(), "fuelC4", "windSpeed"},
        {"Diurnal CALCULATE", &menu.DiurnalWeather(), "calculate", "windSpeed"},
        {"Detection CALCULATE", &menu.Detection(), "calculate", "bui"},
        {"Projection Calculate", &menu.FuelProjection(), "calculate", "windSpeed"},
    };
    for (const Action& action : actions) {
        action.dialog->ShowForm();
        QApplication::processEvents();
        std::printf("%-24s %7.2f ms\n", action.name,
                    TimeClick(*action.dialog, action.button, action.edit));
        action.dialog->hide();
    }
    menu.FbpCalculator().ShowForm();
    std::printf("%-24s %7.2f ms\n", "FBP keystroke (latitude)",
                TimeKeystroke(menu.FbpCalculator(), "latitude"));
    menu.FbpCalculator().hide();
    TimePictures(menu);
}

// A line of /proc/self/status in MB ("VmRSS" now, "VmHWM" the peak), or -1.
double StatusMb(const char* key) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) return -1;
    char line[256];
    double kb = -1;
    const std::size_t length = std::strlen(key);
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, key, length) == 0 && line[length] == ':') {
            kb = std::atof(line + length + 1);
            break;
        }
    }
    std::fclose(status);
    return kb / 1024;
}

}  // namespace

int main(int argc, char** argv) {
    const bool openAll = argc > 1 && std::strcmp(argv[1], "--open-all") == 0;
    const bool timeActions = argc > 1 && std::strcmp(argv[1], "--time-actions") == 0;
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    emberlin::ui::InitResources();
    emberlin::forms::HandOver shared;
    emberlin::app::CMainMenuDlg menu(shared);

    PaintWatcher watcher([&] {
        if (timeActions) TimeActions(menu);
        if (openAll) {
            std::printf("rss at menu %.1f MB\n", StatusMb("VmRSS"));
            for (int command : emberlin::app::kFormCommands) {
                QPushButton* button = menu.CommandButton(command);
                if (button == nullptr || !button->isEnabled()) continue;
                QTimer::singleShot(50, [] { CloseModalsSoon(); });
                menu.OnCommand(command);
            }
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            std::printf("rss peak with a window open %.1f MB\n", StatusMb("VmHWM"));
            std::printf("rss after closing them %.1f MB\n", StatusMb("VmRSS"));
        }
        // Calculators now hold results: the menu asks before quitting, and the driver says Yes.
        emberlin::ui::MessageAnswers::SetNextAnswer(QMessageBox::Yes);
        menu.done(0);
    });
    menu.installEventFilter(&watcher);
    menu.exec();
    return 0;
}
