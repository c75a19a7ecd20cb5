// Start-up driver for timing: builds the application and the main menu with all its forms,
// shows the menu and exits as soon as it has been painted. With --open-all it then opens
// every form of the menu once (for the peak memory) before exiting.
#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <clocale>
#include <cstring>

#include "app/main_menu_dlg.h"
#include "common/shared_values.h"
#include "ui/resources.h"

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

}  // namespace

int main(int argc, char** argv) {
    const bool openAll = argc > 1 && std::strcmp(argv[1], "--open-all") == 0;
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    emberlin::ui::InitResources();
    emberlin::SharedValues shared;
    emberlin::app::CMainMenuDlg menu(shared);

    PaintWatcher watcher([&] {
        if (openAll) {
            for (int command : emberlin::app::kFormCommands) {
                QPushButton* button = menu.CommandButton(command);
                if (button == nullptr || !button->isEnabled()) continue;
                QTimer::singleShot(50, [] { CloseModalsSoon(); });
                menu.OnCommand(command);
            }
        }
        menu.done(0);
    });
    menu.installEventFilter(&watcher);
    menu.exec();
    return 0;
}
