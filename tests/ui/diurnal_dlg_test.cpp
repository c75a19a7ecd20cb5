// The diurnal weather calculator, driven through its real widgets.
#include "ui/diurnal_dlg.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>

#include "ui/resources.h"
#include "ui_test_support.h"

using emberlin::forms::HandOver;
using emberlin::forms::DiurnalForm;
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
                       auto* line12 = dlg.findChild<QLineEdit*>("line12");
                       QVERIFY(line12 != nullptr);
                       QVERIFY(line12->text().isEmpty());

                       QTest::mouseClick(dlg.findChild<QPushButton*>("calculate"), Qt::LeftButton);
                       const QString text = line12->text();
                       QVERIFY2(text.startsWith(QStringLiteral("       Noon  ")), qPrintable(text));
                       QVERIFY2(text.contains(QString(15, QLatin1Char(' ')) +
                                              QStringLiteral("Midnight  ")),
                                qPrintable(text));
                       QCOMPARE(text, QString::fromStdString(dlg.Model().Text("line12")));
                       // Every row exactly as the form built it, blanks included.
                       for (int r = 1; r <= 12; ++r) {
                           const std::string id = DiurnalForm::LineId(r);
                           QCOMPARE(dlg.findChild<QLineEdit*>(QString::fromStdString(id))->text(),
                                    QString::fromStdString(dlg.Model().Text(id)));
                       }
                       QVERIFY(dlg.findChild<QLineEdit*>("line10")->text().contains(
                           QStringLiteral("  27.4  ")));
                       QVERIFY(shared.hourly.has_value());

                       QTest::mouseClick(dlg.findChild<QPushButton*>("exit"), Qt::LeftButton);
                   });
        QCOMPARE(result, static_cast<int>(QDialog::Accepted));
    }

    void rowsAreMonospaceReadOnlyAndUnclipped() {
        HandOver shared;
        CDiurnalDlg dlg(shared, nullptr);
        dlg.ShowForm();
        QTest::mouseClick(dlg.findChild<QPushButton*>("calculate"), Qt::LeftButton);
        QCOMPARE(dlg.findChild<QLineEdit*>("outputCaption")->text(),
                 QStringLiteral("DIURNAL   WEATHER  OUTPUT"));
        QCOMPARE(dlg.findChild<QLineEdit*>("outputHeading")->text(),
                 QString::fromLatin1(DiurnalForm::kOutputHeading));
        QStringList names = {QStringLiteral("outputCaption"), QStringLiteral("outputHeading")};
        for (int r = 1; r <= 12; ++r) names << QStringLiteral("line%1").arg(r);
        for (const QString& name : names) {
            auto* row = dlg.findChild<QLineEdit*>(name);
            QVERIFY2(row != nullptr, qPrintable(name));
            QVERIFY(row->isReadOnly());
            // Monospace: a blank is as wide as a digit or a capital, so blanks set the columns.
            const QFontMetrics metrics = row->fontMetrics();
            QCOMPARE(metrics.horizontalAdvance(QLatin1Char(' ')),
                     metrics.horizontalAdvance(QLatin1Char('0')));
            QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')),
                     metrics.horizontalAdvance(QLatin1Char('W')));
            // The whole text fits: nothing scrolled out of sight.
            QVERIFY2(row->fontMetrics().horizontalAdvance(row->text()) < row->width(),
                     qPrintable(name));
        }
        dlg.hide();
    }

    void ffmcTakesDigitsAndAPlaceOutsideTheModelIsRefused() {
        HandOver shared;
        CDiurnalDlg dlg(shared, nullptr);
        dlg.ShowForm();
        auto* ffmc = dlg.findChild<QLineEdit*>("ffmc");
        TypeInto(ffmc, "9a.1");
        QCOMPARE(ffmc->text(), QStringLiteral("91"));
        QCOMPARE(dlg.Model().Text("ffmc"), std::string("91"));

        auto* latitude = dlg.findChild<QLineEdit*>("latitude");
        TypeInto(latitude, "85");
        QVERIFY(dlg.findChild<QLabel*>("typingWarning")->text().isEmpty());
        AnsweredMessages messages(2);
        QTest::keyClick(latitude, Qt::Key_Return);  // Return calculates
        QCOMPARE(messages.Titles(), QStringList{"EMBERLIN"});
        QCOMPARE(messages.Texts(), QStringList{QString::fromLatin1(DiurnalForm::kPlaceMessage)});
        QVERIFY(!shared.hourly.has_value());
        QVERIFY(dlg.findChild<QLineEdit*>("line12")->text().isEmpty());
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
