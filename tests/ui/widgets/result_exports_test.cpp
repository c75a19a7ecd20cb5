// Results leaving a calculator: Copy Results on the clipboard, Save CSV through the file
// dialog seam, and the one-page report read back from its PDF.
#include "ui/widgets/result_exports.h"

#include <sys/mount.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <functional>
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

using Menu = emberlin::app::CMainMenuDlg;
// A calculator's window, built by the menu.
using MenuWindow = std::function<QDialog&(Menu&)>;

}  // namespace

Q_DECLARE_METATYPE(MenuWindow)

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
        QVERIFY(exports.picture().paint);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
        QCOMPARE(emberlin::ui::WriteReportPdf(pdf, exports), QString());
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
        // One page; the fire shape on it drawn, not an image.
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
        process.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).trimmed().count('\n'), 1);
        QVERIFY(text.contains(QStringLiteral("Intermittent Crown Fire")));
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

    // Each calculator's window from the menu, with words of the picture its report draws (if
    // any).
    void everyReportHoldsEachResultWhole_data() {
        QTest::addColumn<MenuWindow>("window");
        QTest::addColumn<QString>("picture");
        QTest::newRow("fwi") << MenuWindow([](Menu& m) -> QDialog& { return m.FwiCalculator(); })
                             << QString();
        QTest::newRow("fbp") << MenuWindow([](Menu& m) -> QDialog& { return m.FbpCalculator(); })
                             << "Spread 11.09 m/min, to 180";
        QTest::newRow("fuel_projection")
            << MenuWindow([](Menu& m) -> QDialog& { return m.FuelProjection(); }) << QString();
        QTest::newRow("diurnal") << MenuWindow([](Menu& m) -> QDialog& {
            return m.DiurnalWeather();
        }) << QString();
        QTest::newRow("detection")
            << MenuWindow([](Menu& m) -> QDialog& { return m.Detection(); }) << QString();
        QTest::newRow("fire_by_hour")
            << MenuWindow([](Menu& m) -> QDialog& { return m.FireByHour(); })
            << "Hours at or above 4000 kW/m";
    }
    // Every calculator's report after a Calculate with the first display's values: each cell
    // of its results, number or words, whole on one line of the page; a table too long for a
    // page repeats its heading row.
    void everyReportHoldsEachResultWhole() {
        QFETCH(MenuWindow, window);
        QFETCH(QString, picture);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        HandOver shared;
        Menu menu(shared);
        // The hourly weather and the FBP settings the detection and hourly windows take.
        menu.DiurnalWeather().Model().Click("calculate");
        menu.FbpCalculator().Model().Click("calculate");
        QDialog& dialog = window(menu);
        QTemporaryDir folder;
        const QString keep = qEnvironmentVariable("KEEP_REPORTS");
        auto* calculate = dialog.findChild<QPushButton*>(QStringLiteral("calculate"));
        QVERIFY(calculate != nullptr);
        if (!picture.isEmpty()) {  // a picture is drawn as the window shows it
            dialog.show();
            QTest::qWait(20);
        }
        calculate->click();
        const emberlin::ui::ResultExports* exports = emberlin::ui::FindResultExports(dialog);
        QVERIFY(exports != nullptr);
        const emberlin::forms::ResultTable table = exports->table();
        QVERIFY(!table.rows.empty());
        const QString pdf = folder.filePath(name + QStringLiteral(".pdf"));
        QVERIFY(emberlin::ui::WriteReportPdf(pdf, *exports).isEmpty());
        if (!keep.isEmpty()) {
            QFile::remove(keep + QLatin1Char('/') + name + ".pdf");
            QFile::copy(pdf, keep + QLatin1Char('/') + name + ".pdf");
        }
        const QString text = PdfText(pdf);
        QVERIFY(!text.isEmpty());
        if (!picture.isEmpty()) {
            QVERIFY(text.simplified().contains(picture));
            dialog.hide();
        }
        int cells = 0;
        for (const auto& row : table.rows) {
            for (const emberlin::forms::TableCell& cell : row) {
                const QString shown = emberlin::ui::ToQ(cell.text).trimmed();
                if (shown.isEmpty()) continue;
                // Whole: not run on into, nor cut from, other digits or letters.
                const QRegularExpression whole(QStringLiteral("(?<![\\w.])") +
                                               QRegularExpression::escape(shown) +
                                               QStringLiteral("(?![\\w.])"));
                QVERIFY2(
                    text.contains(whole),
                    qPrintable(QStringLiteral("\"%1\" is not whole in the report").arg(shown)));
                ++cells;
            }
        }
        QVERIFY(cells > 0);
        // Each page of a long table starts with its heading row.
        const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        if (table.rows.size() > 1 && pages.size() > 1 && !table.resultColumns.empty()) {
            const QString first =
                emberlin::ui::ToQ(table.resultColumns.front().name).section(QLatin1Char(' '), 0, 0);
            for (const QString& page : pages) {
                if (page.trimmed().isEmpty()) continue;
                QVERIFY2(page.contains(first), qPrintable(page.left(80)));
                // The table ends on the page of the note's heading; the note may run on.
                if (page.contains(QStringLiteral("How these were computed"))) break;
            }
        }
    }

    // A scenario, a CSV, a picture as PNG and as SVG and a PDF report saved over files of a
    // full file system: each says which path failed and why, and the old file stays whole.
    void savesOntoAFullDiskKeepTheOldFiles() {
        if (geteuid() != 0) QSKIP("mounting the small file system this fills needs root");
        QTemporaryDir mountPoint;
        const QByteArray where = QFile::encodeName(mountPoint.path());
        if (mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") != 0) {
            QSKIP(qPrintable(QStringLiteral("no tmpfs could be mounted: ") +
                             QString::fromLocal8Bit(std::strerror(errno))));
        }
        struct Unmount {
            QByteArray at;
            ~Unmount() { umount2(at.constData(), MNT_DETACH); }
        } unmount{where};
        const QDir disk(mountPoint.path());

        HandOver shared;
        emberlin::app::CMainMenuDlg menu(shared);
        emberlin::ui::CFbpCalcDlg& fbp = menu.FbpCalculator();
        auto click = [](QWidget& window, const char* name) {
            return
                [&window, name] { window.findChild<QPushButton*>(QLatin1String(name))->click(); };
        };
        const struct {
            const char* file;
            const char* message;  // its start, before the path
            std::function<void()> save;
        } saves[] = {
            {"ridge.emberlin.json", "The scenario could not be saved to ",
             click(menu, "saveScenarioButton")},
            {"results.csv", "The results could not be saved to ", click(fbp, "saveCsv")},
            {"shape.png", "The picture could not be saved to ", click(fbp, "savePicture")},
            {"shape.svg", "The picture could not be saved to ", click(fbp, "savePicture")},
            {"report.pdf", "The report could not be saved to ", click(fbp, "report")},
        };
        for (const auto& save : saves) {
            QFile old(disk.filePath(QLatin1String(save.file)));
            QVERIFY(old.open(QIODevice::WriteOnly));
            QVERIFY(old.write(QByteArray("old ") + save.file) > 0);
        }
        {
            QFile filler(disk.filePath(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(1024, 'x');
            while (filler.write(block) == block.size()) {
            }
        }
        const QStringList before = disk.entryList(QDir::Files);
        for (const auto& save : saves) {
            const QString path = disk.filePath(QLatin1String(save.file));
            FileAnswers::SetNextPath(path);
            AnsweredMessages messages;
            save.save();
            QCOMPARE(FileAnswers::Pending(), 0);
            const QStringList texts = messages.Texts();
            QVERIFY2(texts.size() == 1, save.file);
            QVERIFY2(texts.front().startsWith(QLatin1String(save.message) +
                                              QDir::toNativeSeparators(path) +
                                              QStringLiteral(": No space left on device")),
                     qPrintable(texts.front()));
            QFile old(path);
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), QByteArray("old ") + save.file);
            QCOMPARE(disk.entryList(QDir::Files), before);  // no temporary file left
        }
    }
};

QTEST_MAIN(ResultExportsTest)
#include "result_exports_test.moc"
