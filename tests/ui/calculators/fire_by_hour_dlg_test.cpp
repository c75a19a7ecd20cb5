// The fire behaviour by hour window, opened from the main menu: it calculates the day, fills
// its grid, summary and chart, and fits the screen.
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableView>
#include <QTest>

#include "app/main_menu_dlg.h"
#include "support/ui_test_support.h"
#include "ui/widgets/resources.h"

using emberlin::app::CMainMenuDlg;
using emberlin::forms::HandOver;
namespace app = emberlin::app;
using namespace emberlin::ui::testing;

class FireByHourDlgTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { emberlin::ui::InitResources(); }

    void calculatesTheDayFromTheMenu() {
        HandOver shared;
        CMainMenuDlg menu(shared);
        menu.show();
        QPushButton* button = menu.CommandButton(app::kCmdFireByHour);
        QVERIFY(button != nullptr);
        QCOMPARE(button->text().remove(QLatin1Char('&')), QStringLiteral("Fire Behaviour by Hour"));
        // The chart is made when the window is first shown, not with the menu.
        QVERIFY(menu.FireByHour().ChartView() == nullptr);
        menu.DiurnalWeather().Model().Click("calculate");
        menu.FbpCalculator().Model().Click("calculate");

        WhileModal(
            [&] { QTest::mouseClick(button, Qt::LeftButton); },
            [&](QWidget* w) {
                QVERIFY(w != nullptr);
                QCOMPARE(w->windowTitle(), QStringLiteral("EMBERLIN - Fire Behaviour by Hour"));
                emberlin::ui::CFireByHourDlg* dialog = &menu.FireByHour();
                QCOMPARE(w, static_cast<QWidget*>(dialog));
                const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
                QVERIFY(w->frameGeometry().width() <= screen.width());
                QVERIFY(w->frameGeometry().height() <= screen.height());
                auto* grid = w->findChild<QTableView*>("resultGrid");
                QVERIFY(grid != nullptr);
                QCOMPARE(grid->model()->rowCount(), 0);

                QTest::mouseClick(w->findChild<QCheckBox*>("fbpSettings"), Qt::LeftButton);
                QTest::keyClick(w->findChild<QLineEdit*>("threshold1"), Qt::Key_Return);
                QCOMPARE(grid->model()->rowCount(), 24);
                QCOMPARE(grid->model()->columnCount(), 11);
                QCOMPARE(grid->model()->headerData(5, Qt::Horizontal).toString(),
                         QStringLiteral("HFI\n(kW/m)"));
                const QModelIndex hfi16 = grid->model()->index(15, 5);
                QCOMPARE(grid->model()->index(15, 0).data().toString(), QStringLiteral("16:00"));
                QVERIFY(hfi16.data().toString().toInt() > 4000);
                QVERIFY(hfi16.data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
                const QString summary = w->findChild<QLabel*>("summary")->text();
                QVERIFY2(summary.contains(QStringLiteral("At or above 4000 kW/m: ")) &&
                             !summary.contains(QStringLiteral("At or above 4000 kW/m: none")),
                         qPrintable(summary));
                QVERIFY2(summary.startsWith(QStringLiteral("Peak hour: ")), qPrintable(summary));
                // A screen reader reads the summary itself, not only its caption.
                QCOMPARE(w->findChild<QLabel*>("summary")->accessibleName(),
                         QStringLiteral("Summary: ") + summary);

                // The action buttons stay outside the scrolled content.
                auto* scroll = w->findChild<QScrollArea*>("contentScroll");
                QVERIFY(!scroll->widget()->isAncestorOf(w->findChild<QPushButton*>("calculate")));

                QChartView* view = dialog->ChartView();
                QVERIFY(view != nullptr);
                int lines = 0;
                for (QAbstractSeries* series : view->chart()->series()) {
                    if (auto* line = qobject_cast<QLineSeries*>(series);
                        line && line->count() == 24) {
                        ++lines;
                    }
                }
                QCOMPARE(lines, 3);  // HFI, FFMC and ISI

                // The chart leaves the window with its key and inputs, at its size on screen.
                QGuiApplication::clipboard()->clear();
                QTest::mouseClick(w->findChild<QPushButton*>("copyPicture"), Qt::LeftButton);
                const QImage copied = QGuiApplication::clipboard()->image();
                QVERIFY(!copied.isNull());
                QCOMPARE(copied.size() / copied.devicePixelRatio(), dialog->ChartPicture().size);
                QVERIFY(dialog->ChartPicture().size.height() > view->height());

                QElapsedTimer timer;
                timer.start();
                constexpr int kRuns = 20;
                for (int i = 0; i < kRuns; ++i) dialog->UpdateChart();
                const double update = timer.nsecsElapsed() / 1e6 / kRuns;
                timer.restart();
                for (int i = 0; i < kRuns; ++i) {
                    dialog->UpdateChart();
                    view->grab();  // the update drawn, as the next repaint draws it
                }
                qInfo("chart update: %.3f ms; with drawing the chart: %.2f ms", update,
                      timer.nsecsElapsed() / 1e6 / kRuns);

                if (const QByteArray dir = qgetenv("EMBERLIN_SHOT_DIR"); !dir.isEmpty()) {
                    QTest::qWait(200);
                    w->grab().save(QString::fromUtf8(dir) + QStringLiteral("/fire_by_hour.png"));
                    view->grab().save(QString::fromUtf8(dir) +
                                      QStringLiteral("/fire_by_hour_chart.png"));
                    QTest::qWait(qEnvironmentVariableIntValue("EMBERLIN_SHOT_WAIT_MS"));
                }
                dialog->reject();
            });
    }
};

QTEST_MAIN(FireByHourDlgTest)
#include "fire_by_hour_dlg_test.moc"
