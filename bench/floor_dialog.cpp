// The floor for start-up timing: a bare Qt Widgets dialog of 20 buttons, built with the same
// compiler, flags and Qt as EMBERLIN, that exits as soon as it has been painted, printing the
// monotonic clock at that moment as "painted<TAB>ms" as the start-up driver does. Nothing can
// reach a painted window faster, so EMBERLIN's start-up is reported as a ratio to it.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGridLayout>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

class FloorDialog : public QDialog {
  public:
    FloorDialog() {
        setWindowTitle(QStringLiteral("Floor"));
        auto* grid = new QGridLayout(this);
        for (int i = 0; i < 20; ++i) {
            grid->addWidget(new QPushButton(QStringLiteral("Button %1").arg(i + 1), this), i / 4,
                            i % 4);
        }
    }

  protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, this, [this] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("painted\t%.3f\n", static_cast<double>(now.tv_sec) * 1e3 +
                                                   static_cast<double>(now.tv_nsec) / 1e6);
                done(0);
            });
        }
        return QDialog::event(e);
    }

  private:
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    FloorDialog dialog;
    dialog.exec();
    return 0;
}
