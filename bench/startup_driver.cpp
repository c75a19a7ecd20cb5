// Start-up driver for timing: builds the application and the main menu, shows the menu and
// exits as soon as it has been painted, printing the monotonic clock at that moment as
// "painted<TAB>ms" (the bench reads the clock as it starts the program). With --windows it
// then opens every window of the menu twice, and in each calculator its chart and picture
// windows twice, printing the time from the click to the end of each window's first paint,
// and the memory at the menu, after every window has been opened and after they are closed.
// With --time-actions it times the calculating actions through the real dialogs, repaint
// included. Figures are printed one a line as "kind<TAB>name<TAB>value" for
// scripts/startup_bench.sh.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>
#include <vector>

#include "app/main_menu_dlg.h"
#include "forms/models/hand_over.h"
#include "ui/calculators/detection_dlg.h"
#include "ui/calculators/diurnal_dlg.h"
#include "ui/calculators/fbp_calc_dlg.h"
#include "ui/calculators/fire_by_hour_dlg.h"
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

// A key pressed and released in `widget`, as typing it does (the driver does without QtTest,
// whose library the program does not load).
void TypeKey(QWidget* widget, Qt::Key key) {
    const QString text = key == Qt::Key_5 ? QStringLiteral("5") : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
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
        TypeKey(edit, i % 2 == 0 ? Qt::Key_Backspace : Qt::Key_5);
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
        TypeKey(edit, i % 2 == 0 ? Qt::Key_Backspace : Qt::Key_5);
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

// Opens the picture a dialog's button shows, then times its drawing (--windows times the
// window's first paint).
void TimePicture(QWidget& dialog, const char* button, const char* name) {
    auto* push = dialog.findChild<QPushButton*>(QLatin1String(button));
    if (push == nullptr || !push->isEnabled()) {
        std::printf("missing\t%s\t0\n", name);
        return;
    }
    push->click();
    QApplication::sendPostedEvents();
    QApplication::processEvents();
    emberlin::ui::PictureWindow* window = nullptr;
    for (auto* w : dialog.findChildren<emberlin::ui::PictureWindow*>()) {
        if (w->isVisible()) window = w;
    }
    if (window == nullptr) return;
    std::printf("draw\t%s\t%.3f\n", name, TimeDrawing(window->Painter(), window->PictureSize()));
    window->hide();
}

void TimePictures(emberlin::app::CMainMenuDlg& menu) {
    auto& fbp = menu.FbpCalculator();
    fbp.ShowForm();
    fbp.findChild<QPushButton*>(QStringLiteral("calculate"))->click();
    QApplication::processEvents();
    std::printf("draw\t%s\t%.3f\n", "FBP fire shape panel",
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
        {"Fire by Hour Calculate", &menu.FireByHour(), "calculate", "bui"},
    };
    for (const Action& action : actions) {
        action.dialog->ShowForm();
        QApplication::processEvents();
        std::printf("action\t%s\t%.3f\n", action.name,
                    TimeClick(*action.dialog, action.button, action.edit));
        action.dialog->hide();
    }
    menu.FbpCalculator().ShowForm();
    std::printf("action\t%s\t%.3f\n", "FBP keystroke (latitude)",
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

// Watches for the first paint of a top-level window that was not visible when it was made,
// and calls `painted` with that window once the paint is done (the zero timer runs after the
// whole window has been painted and flushed).
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(std::function<void(QWidget*)> painted) : painted_(std::move(painted)) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) before_.insert(window);
        }
        qApp->installEventFilter(this);
    }
    ~FirstPaint() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_ && watched->isWidgetType()) {
            QWidget* window = static_cast<QWidget*>(watched)->window();
            if (!before_.contains(window)) {
                done_ = true;
                QTimer::singleShot(0, this, [this, window] { painted_(window); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void(QWidget*)> painted_;
    std::set<QWidget*> before_;
    bool done_ = false;
};

// The monotonic clock in ms, the clock the bench reads when it starts the program.
double MonotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Ms(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

// The GUI thread's processor time in ms: on a machine busy with other work it stays near what
// an idle machine takes, where the wall time does not (the X server's share is not in it).
double CpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Prints the wall and the processor time of one opening.
void PrintOpening(const char* kind, const char* name, const QElapsedTimer& timer, double cpuStart) {
    std::printf("%s\t%s\t%.3f\n", kind, name, Ms(timer));
    std::printf("%s-cpu\t%s\t%.3f\n", kind, name, CpuMs() - cpuStart);
}

// Clicks a button that opens a window beside its dialog (not modal), twice: the first paint
// of each opening, the window closed in between.
void TimePictureWindow(QWidget& dialog, const char* button, const char* name) {
    auto* push = dialog.findChild<QPushButton*>(QLatin1String(button));
    if (push == nullptr || !push->isEnabled()) {
        std::printf("missing\t%s\t0\n", name);
        return;
    }
    for (const char* kind : {"first", "reopen"}) {
        QEventLoop loop;
        QWidget* shown = nullptr;
        QElapsedTimer timer;
        double cpu = 0;
        FirstPaint watcher([&](QWidget* window) {
            PrintOpening(kind, name, timer, cpu);
            shown = window;
            loop.quit();
        });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        cpu = CpuMs();
        timer.start();
        push->click();
        loop.exec();
        if (shown == nullptr) {
            std::printf("missing\t%s\t0\n", name);
            return;
        }
        shown->close();
        QApplication::processEvents();
    }
}

// The picture windows of a calculator, opened after a Calculate.
struct PictureButtons {
    int command;
    std::vector<std::pair<const char*, const char*>> buttons;  // object name, figure name
};

const PictureButtons kPictureButtons[] = {
    {emberlin::app::kCmdDiurnalWeather, {{"chart", "Diurnal chart"}}},
    {emberlin::app::kCmdDetectionAssessment,
     {{"fireShape", "Detection fire shape"}, {"chart", "Detection chart"}}},
    {emberlin::app::kCmdFuelAssessment, {{"chart", "Projection chart"}}},
};

// Opens every window of the menu twice (the modal window closed by the driver once painted),
// and in the first opening of a calculator with pictures, each picture window twice.
void TimeWindows(emberlin::app::CMainMenuDlg& menu) {
    std::printf("rss\tat menu\t%.1f\n", StatusMb("VmRSS"));
    for (int command : emberlin::app::kFormCommands) {
        QPushButton* button = menu.CommandButton(command);
        if (button == nullptr || !button->isEnabled()) continue;
        const QString name = button->text().remove(QLatin1Char('&'));
        for (const char* kind : {"first", "reopen"}) {
            QElapsedTimer timer;
            double cpu = 0;
            bool painted = false;
            FirstPaint watcher([&](QWidget* window) {
                painted = true;
                PrintOpening(kind, qPrintable(name), timer, cpu);
                if (kind == std::string_view("first")) {
                    for (const PictureButtons& pictures : kPictureButtons) {
                        if (pictures.command != command) continue;
                        if (auto* calculate =
                                window->findChild<QPushButton*>(QStringLiteral("calculate"))) {
                            calculate->click();
                            QApplication::processEvents();
                        }
                        for (const auto& [object, figure] : pictures.buttons) {
                            TimePictureWindow(*window, object, figure);
                        }
                    }
                }
                if (auto* dialog = qobject_cast<QDialog*>(window)) dialog->reject();
            });
            // A window that never paints (or a message box over it) is closed all the same,
            // and reported; never the menu, which is modal too.
            QTimer stuck;
            QObject::connect(&stuck, &QTimer::timeout, [&menu] {
                auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (modal != nullptr && modal != &menu) modal->reject();
            });
            stuck.start(5000);
            cpu = CpuMs();
            timer.start();
            menu.OnCommand(command);
            if (!painted) std::printf("missing\t%s\t0\n", qPrintable(name));
        }
    }
    std::printf("rss\tpeak, every window opened\t%.1f\n", StatusMb("VmHWM"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    std::printf("rss\tafter closing them\t%.1f\n", StatusMb("VmRSS"));
}

}  // namespace

// The driver's windows library entry point (app/windows_library.h), loaded by
// bench/startup_launcher.cpp as the program loads its own.
extern "C" __attribute__((visibility("default"))) int emberlin_windows_main(int argc, char** argv,
                                                                            const char*) {
    const bool windows = argc > 1 && std::strcmp(argv[1], "--windows") == 0;
    const bool timeActions = argc > 1 && std::strcmp(argv[1], "--time-actions") == 0;
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    emberlin::ui::InitResources();
    emberlin::forms::HandOver shared;
    emberlin::app::CMainMenuDlg menu(shared);

    PaintWatcher watcher([&] {
        // The start-up figure ends here, the menu painted: what the program does on its way
        // out is no part of it.
        if (!timeActions && !windows) std::printf("painted\t%.3f\n", MonotonicMs());
        if (timeActions) TimeActions(menu);
        if (windows) TimeWindows(menu);
        // Calculators now hold results: the menu asks before quitting, and the driver says Yes.
        emberlin::ui::MessageAnswers::SetNextAnswer(QMessageBox::Yes);
        menu.done(0);
    });
    menu.installEventFilter(&watcher);
    menu.exec();
    return 0;
}
