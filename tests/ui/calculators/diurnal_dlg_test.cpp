// The diurnal weather calculator, driven through its real widgets.
#include "ui/calculators/diurnal_dlg.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include "support/result_grid_support.h"
#include "support/ui_test_support.h"
#include "ui/widgets/resources.h"

using emberlin::forms::DiurnalForm;
using emberlin::forms::HandOver;
using emberlin::ui::CDiurnalDlg;
using namespace emberlin::ui::testing;

class DiurnalDlgTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { emberlin::ui::InitResources(); }

    void calculateFillsTheRowsAsBuilt() {
        HandOver shared;
        CDiurnalDlg dlg(shared, nullptr);
        int result = -1;
        WhileModal([&] { result = dlg.RunModal(); },
                   [&](QWidget* modal) {
                       QCOMPARE(modal, static_cast<QWidget*>(&dlg));
                       QCOMPARE(modal->windowTitle(), QStringLiteral("Diurnal Weather Calculator"));
                       QVERIFY(ResultGrid(dlg) != nullptr);
                       QCOMPARE(ResultGrid(dlg)->model()->rowCount(), 12);
                       QVERIFY(GridRow(dlg, 11).isEmpty());

                       QTest::mouseClick(dlg.findChild<QPushButton*>("calculate"), Qt::LeftButton);
                       const QString text = QString::fromStdString(dlg.Model().Text("line12"));
                       QVERIFY2(text.startsWith(QStringLiteral("       Noon  ")), qPrintable(text));
                       QVERIFY2(text.contains(QString(15, QLatin1Char(' ')) +
                                              QStringLiteral("Midnight  ")),
                                qPrintable(text));
                       QCOMPARE(GridCell(dlg, 11, 0), QStringLiteral("Noon"));
                       QCOMPARE(GridCell(dlg, 11, 5), QStringLiteral("Midnight"));
                       // Every row's values in its cells, without the blanks.
                       for (int r = 1; r <= 12; ++r) {
                           const QString line =
                               QString::fromStdString(dlg.Model().Text(DiurnalForm::LineId(r)));
                           QCOMPARE(GridRow(dlg, r - 1).join(QLatin1Char('|')),
                                    line.trimmed()
                                        .split(QRegularExpression(QStringLiteral(" {2,}")))
                                        .join(QLatin1Char('|')));
                       }
                       QVERIFY(GridRow(dlg, 9).contains(QStringLiteral("27.4")));
                       QVERIFY(shared.hourly.has_value());

                       QTest::mouseClick(dlg.findChild<QPushButton*>("exit"), Qt::LeftButton);
                   });
        QCOMPARE(result, static_cast<int>(QDialog::Accepted));
    }

    void gridIsMonospaceReadOnlyAndUnclipped() {
        HandOver shared;
        CDiurnalDlg dlg(shared, nullptr);
        dlg.ShowForm();
        QTest::mouseClick(dlg.findChild<QPushButton*>("calculate"), Qt::LeftButton);
        QCOMPARE(dlg.findChild<QGroupBox*>("outputCaption")->title(),
                 QStringLiteral("DIURNAL   WEATHER  OUTPUT"));
        QTableView* grid = ResultGrid(dlg);
        QVERIFY(grid != nullptr);
        QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        const QAbstractItemModel* model = grid->model();
        QCOMPARE(model->columnCount(), 10);
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(),
                 QString::fromUtf8("Temperature\n(\u00b0C)"));
        QCOMPARE(model->headerData(8, Qt::Horizontal).toString(), QStringLiteral("Wind\n(km/h)"));
        for (int r = 0; r < model->rowCount(); ++r) {
            for (int c = 0; c < model->columnCount(); ++c) {
                const QModelIndex index = model->index(r, c);
                const QFont font = index.data(Qt::FontRole).value<QFont>();
                const QFontMetrics metrics(font);
                // Digits all of one width, so the decimals line up down a column.
                QCOMPARE(metrics.horizontalAdvance(QLatin1Char('1')),
                         metrics.horizontalAdvance(QLatin1Char('8')));
                const QString text = index.data().toString();
                QVERIFY2(metrics.horizontalAdvance(text) < grid->columnWidth(c), qPrintable(text));
                if (c != 0 && c != 5) {
                    QCOMPARE(index.data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
                             static_cast<int>(Qt::AlignRight));
                }
            }
        }
        dlg.hide();
    }

    void ffmcKeepsWhatIsTypedAndAPlaceOutsideTheModelIsRefused() {
        HandOver shared;
        CDiurnalDlg dlg(shared, nullptr);
        dlg.ShowForm();
        auto* ffmc = dlg.findChild<QLineEdit*>("ffmc");
        TypeInto(ffmc, "8.5");
        QCOMPARE(ffmc->text(), QStringLiteral("8.5"));
        QCOMPARE(dlg.Model().Text("ffmc"), std::string("8.5"));
        QVERIFY(dlg.findChild<QLabel*>("typingWarning")->text().contains("whole numbers 0 to 101"));
        {
            AnsweredMessages refused;
            QTest::keyClick(ffmc, Qt::Key_Return);
            QCOMPARE(refused.Texts(), QStringList{"FFMC: This box takes whole numbers 0 to 101."});
            QVERIFY(!shared.hourly.has_value());
            QCOMPARE(ffmc->selectedText(), QStringLiteral("8.5"));
        }
        TypeInto(ffmc, "91");
        QCOMPARE(dlg.Model().Text("ffmc"), std::string("91"));

        auto* latitude = dlg.findChild<QLineEdit*>("latitude");
        TypeInto(latitude, "85");
        QVERIFY(dlg.findChild<QLabel*>("typingWarning")->text().isEmpty());
        AnsweredMessages messages(2);
        QTest::keyClick(latitude, Qt::Key_Return);  // Return calculates
        QCOMPARE(messages.Titles(), QStringList{"EMBERLIN"});
        QCOMPARE(messages.Texts(), QStringList{QString::fromLatin1(DiurnalForm::kPlaceMessage)});
        QVERIFY(!shared.hourly.has_value());
        QVERIFY(GridRow(dlg, 11).isEmpty());
        QCOMPARE(latitude->selectedText(), QStringLiteral("85"));
        QVERIFY(dlg.isVisible());

        // Lawson: its message, then Van Wagner shown chosen.
        QTest::mouseClick(dlg.findChild<QCheckBox*>("lawsonOption"), Qt::LeftButton);
        QCOMPARE(messages.Texts(), (QStringList{QString::fromLatin1(DiurnalForm::kPlaceMessage),
                                                QString::fromLatin1(DiurnalForm::kLawsonMessage)}));
        QCOMPARE(messages.Pending(), 0);
        QVERIFY(dlg.findChild<QCheckBox*>("vanWagnerOption")->isChecked());
        QVERIFY(!dlg.findChild<QCheckBox*>("lawsonOption")->isChecked());
        dlg.hide();
    }
};

QTEST_MAIN(DiurnalDlgTest)
#include "diurnal_dlg_test.moc"
