// Results leaving a calculator: Copy Results on the clipboard, Save CSV through the file
// dialog seam, and the one-page report read back from its PDF.
#include "ui/widgets/result_exports.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <utility>
#include <vector>

#include "app/main_menu_dlg.h"
#include "forms/exports/report_notes.h"
#include "forms/exports/result_table.h"
#include "support/ui_test_support.h"
#include "ui/calculators/detection_dlg.h"
#include "ui/calculators/fbp_calc_dlg.h"
#include "ui/calculators/fuel_projection_dlg.h"
#include "ui/widgets/file_answers.h"
#include "ui/widgets/resources.h"

using emberlin::forms::HandOver;
using emberlin::ui::FileAnswers;
using namespace emberlin::ui::testing;

namespace {

// The text of a PDF, laid out as on its pages (one line of text per line).
QString PdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(20000) || process.exitCode() != 0) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class ResultExportsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { emberlin::ui::InitResources(); }
    void cleanup() { FileAnswers::Clear(); }

    void copyAndCsvFromTheButtons() {
        HandOver shared;
        emberlin::ui::CFuelProjectionDlg dialog(shared, nullptr);
        dialog.ShowForm();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // Nothing to export before the first calculation.
        const QStringList exportButtons = {QStringLiteral("copyResults"), QStringLiteral("saveCsv"),
                                           QStringLiteral("report")};
        for (const QString& name : exportButtons) {
            QVERIFY(!dialog.findChild<QPushButton*>(name)->isEnabled());
        }
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("calculate")),
                          Qt::LeftButton);
        for (const QString& name : exportButtons) {
            QVERIFY(dialog.findChild<QPushButton*>(name)->isEnabled());
        }
        QApplication::clipboard()->clear();
        QTest::keyClick(&dialog, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY(QApplication::clipboard()->mimeData() != nullptr &&
                    QApplication::clipboard()->mimeData()->hasHtml());
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        const QStringList lines = copied->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4 + 18);  // title, two input lines, headings, 18 rows
        QVERIFY(lines.last().startsWith(QStringLiteral("O1b\t")));
        QVERIFY(copied->html().contains(QStringLiteral("<th>Head ROS (m/min)</th>")));

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("projection.csv"));
        FileAnswers::SetNextPath(path);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("saveCsv")),
                          Qt::LeftButton);
        QCOMPARE(FileAnswers::TakeCaptions(), QStringList{QStringLiteral("Save CSV")});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = file.readAll().split('\n');
        QCOMPARE(rows.size(), 1 + 18 + 1);  // headings, 18 rows, nothing after the last CRLF
        QVERIFY(rows.front().startsWith("Aspect (deg),"));
        QVERIFY(rows.front().endsWith(",Fire type\r"));
        dialog.reject();
    }

    void reportOfTheFirstDisplayHoldsWhatTheFormShows() {
        HandOver shared;
        emberlin::ui::CFbpCalcDlg dialog(shared, nullptr);
        dialog.ShowForm();
        auto& model = dialog.Model();
        // The dialog's own exports, fire shape included.
        const emberlin::ui::ResultExports* found = emberlin::ui::FindResultExports(dialog);
        QVERIFY(found != nullptr);
        const emberlin::ui::ResultExports& exports = *found;
        QVERIFY(!exports.picture().isNull());
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
        QVERIFY(emberlin::ui::WriteReportPdf(pdf, exports));
        if (qEnvironmentVariableIsSet("KEEP_REPORT"))
            QFile::copy(pdf, qEnvironmentVariable("KEEP_REPORT"));
        QProcess process;
        process.start(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 0);
        // The page's font joins "fi" and "fl" into one glyph; the text reads them as letters.
        const QString text = QString::fromUtf8(process.readAllStandardOutput())
                                 .replace(QChar(0xFB01), QStringLiteral("fi"))
                                 .replace(QChar(0xFB02), QStringLiteral("fl"));
        // One page.
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
        QVERIFY(text.contains(QStringLiteral("EMBERLIN - FBP Calculator")));
        QVERIFY(text.contains(QStringLiteral("EMBERLIN ") + emberlin::ui::ProgramVersion()));
        QVERIFY(text.contains(QStringLiteral("How these were computed")));
        // The paragraph wraps between words, a number with its unit.
        QVERIFY(text.simplified().contains(QStringLiteral("default of 95 %")));
        // Each input and result under its exported name, with the text the form shows.
        const emberlin::forms::ResultTable table = emberlin::forms::MakeResultsTable(model);
        std::vector<std::pair<emberlin::forms::TableColumn, emberlin::forms::TableCell>> named;
        for (std::size_t i = 0; i < table.inputColumns.size(); ++i)
            named.emplace_back(table.inputColumns[i], table.inputs[i]);
        for (std::size_t i = 0; i < table.resultColumns.size(); ++i)
            named.emplace_back(table.resultColumns[i], table.rows.at(0)[i]);
        for (const auto& [column, cell] : named) {
            const QString name = emberlin::ui::ToQ(column.name);
            const QString shown = emberlin::ui::ToQ(cell.text);
            // The name and the text as the form shows them, on one line of the page.
            const QRegularExpression line(
                QRegularExpression::escape(name) + QStringLiteral(".*(?<![\\d.])") +
                    QRegularExpression::escape(shown) + QStringLiteral("(?![\\d.])"),
                QRegularExpression::MultilineOption);
            QVERIFY2(text.contains(line), qPrintable(name + QStringLiteral(" = ") + shown));
        }
        QVERIFY(text.contains(QStringLiteral("Fuel type")));
        QVERIFY(text.contains(QStringLiteral("Point")));
    }

    // Every calculator's report after a Calculate with the first display's values: each cell
    // of its results, number or words, whole on one line of the page; a table too long for a
    // page repeats its heading row.
    void everyReportHoldsEachResultWhole() {
        HandOver shared;
        emberlin::app::CMainMenuDlg menu(shared);
        // The hourly weather and the FBP settings the detection and hourly windows take.
        menu.DiurnalWeather().Model().Click("calculate");
        menu.FbpCalculator().Model().Click("calculate");
        struct Calculator {
            const char* name;
            QDialog* dialog;
        };
        const Calculator calculators[] = {
            {"fwi", &menu.FwiCalculator()},
            {"fbp", &menu.FbpCalculator()},
            {"fuel_projection", &menu.FuelProjection()},
            {"diurnal", &menu.DiurnalWeather()},
            {"detection", &menu.Detection()},
            {"fire_by_hour", &menu.FireByHour()},
        };
        QTemporaryDir folder;
        const QString keep = qEnvironmentVariable("KEEP_REPORTS");
        for (const Calculator& c : calculators) {
            auto* calculate = c.dialog->findChild<QPushButton*>(QStringLiteral("calculate"));
            QVERIFY2(calculate != nullptr, c.name);
            calculate->click();
            const emberlin::ui::ResultExports* exports = emberlin::ui::FindResultExports(*c.dialog);
            QVERIFY2(exports != nullptr, c.name);
            const emberlin::forms::ResultTable table = exports->table();
            QVERIFY2(!table.rows.empty(), c.name);
            const QString pdf = folder.filePath(QLatin1String(c.name) + QStringLiteral(".pdf"));
            QVERIFY2(emberlin::ui::WriteReportPdf(pdf, *exports), c.name);
            if (!keep.isEmpty()) {
                QFile::remove(keep + QLatin1Char('/') + QLatin1String(c.name) + ".pdf");
                QFile::copy(pdf, keep + QLatin1Char('/') + QLatin1String(c.name) + ".pdf");
            }
            const QString text = PdfText(pdf);
            QVERIFY2(!text.isEmpty(), c.name);
            int cells = 0;
            for (const auto& row : table.rows) {
                for (const emberlin::forms::TableCell& cell : row) {
                    const QString shown = emberlin::ui::ToQ(cell.text).trimmed();
                    if (shown.isEmpty()) continue;
                    // Whole: not run on into, nor cut from, other digits or letters.
                    const QRegularExpression whole(QStringLiteral("(?<![\\w.])") +
                                                   QRegularExpression::escape(shown) +
                                                   QStringLiteral("(?![\\w.])"));
                    QVERIFY2(text.contains(whole),
                             qPrintable(QStringLiteral("%1: \"%2\" is not whole in the report")
                                            .arg(QLatin1String(c.name), shown)));
                    ++cells;
                }
            }
            QVERIFY2(cells > 0, c.name);
            // Each page of a long table starts with its heading row.
            const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
            if (table.rows.size() > 1 && pages.size() > 1 && !table.resultColumns.empty()) {
                const QString first = emberlin::ui::ToQ(table.resultColumns.front().name)
                                          .section(QLatin1Char(' '), 0, 0);
                for (const QString& page : pages) {
                    if (page.trimmed().isEmpty()) continue;
                    QVERIFY2(page.contains(first),
                             qPrintable(QLatin1String(c.name) + ": " + page.left(80)));
                    // The table ends on the page of the note's heading; the note may run on.
                    if (page.contains(QStringLiteral("How these were computed"))) break;
                }
            }
        }
    }
};

QTEST_MAIN(ResultExportsTest)
#include "result_exports_test.moc"
