// The three result grids as assistive technology and the clipboard see them.
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <memory>

#include "diurnal/diurnal_weather.h"
#include "diurnal/hourly_ffmc.h"
#include "support/result_grid_support.h"
#include "support/ui_test_support.h"
#include "ui/calculators/detection_dlg.h"
#include "ui/calculators/diurnal_dlg.h"
#include "ui/calculators/fuel_projection_dlg.h"
#include "ui/widgets/resources.h"

using emberlin::forms::HandOver;
using emberlin::ui::CDetectionDlg;
using emberlin::ui::CDiurnalDlg;
using emberlin::ui::CFormDlg;
using emberlin::ui::CFuelProjectionDlg;
using namespace emberlin::ui::testing;

namespace {

// One of the three windows, calculated with its initial values, and the row texts its form
// model built.
struct Calculated {
    std::unique_ptr<CFormDlg> dlg;
    QStringList rows;
    QStringList headingLines;
};

using Opener = std::function<Calculated(HandOver&)>;

template <class Dlg>
Calculated Open(HandOver& shared, int rowCount, const std::function<std::string(int)>& rowId,
                const std::vector<std::string>& headingIds) {
    auto dlg = std::make_unique<Dlg>(shared, nullptr);
    dlg->ShowForm();
    QTest::mouseClick(dlg->template findChild<QPushButton*>("calculate"), Qt::LeftButton);
    Calculated result;
    for (int r = 0; r < rowCount; ++r)
        result.rows << QString::fromStdString(dlg->Model().Text(rowId(r)));
    for (const std::string& id : headingIds) {
        result.headingLines << QString::fromStdString(dlg->Model().Text(id));
    }
    result.dlg = std::move(dlg);
    return result;
}

Opener OpenDiurnal() {
    return [](HandOver& shared) {
        Calculated shown = Open<CDiurnalDlg>(
            shared, 12, [](int r) { return emberlin::forms::DiurnalForm::LineId(r + 1); }, {});
        shown.headingLines << QString::fromLatin1(emberlin::forms::DiurnalForm::kOutputHeading);
        return shown;
    };
}

Opener OpenDetection() {
    return [](HandOver& shared) {
        const auto day = emberlin::CalcDiurnalDay(55, -110, 7, 15, 30, 45, 25, 15, 32, 1, 35,
                                                  {0.88, 1.86, -2.2}, {1.0, 1.24, -3.59});
        const auto ffmc = emberlin::CalcDiurnalFfmc(*day, 87, emberlin::FfmcMethod::VanWagner);
        shared.hourly.emplace();
        for (std::size_t h = 1; h <= 24; ++h) {
            shared.hourly.Edit().ffmc[h] = ffmc[h];
            shared.hourly.Edit().windSpeed[h] = day->windSpeed[h];
        }
        return Open<CDetectionDlg>(shared, 10, &emberlin::forms::DetectionForm::RowId,
                                   {"heading1", "heading2", "heading3"});
    };
}

Opener OpenProjection() {
    return [](HandOver& shared) {
        return Open<CFuelProjectionDlg>(shared, 18, &emberlin::forms::FuelProjectionForm::RowId,
                                        {"heading1", "heading2"});
    };
}

QStringList Values(const QString& row) {
    return row.trimmed().split(QRegularExpression(QStringLiteral(" {2,}")), Qt::SkipEmptyParts);
}

}  // namespace

Q_DECLARE_METATYPE(Opener)

class ResultGridsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { emberlin::ui::InitResources(); }

    void dialogs_data() {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<int>("columns");
        QTest::newRow("diurnal") << OpenDiurnal() << 10;
        QTest::newRow("detection") << OpenDetection() << 14;
        QTest::newRow("projection") << OpenProjection() << 12;
    }

    // Through the accessibility tree each grid is a table whose cells read as the trimmed
    // values of the rows the form built, one value per cell.
    void cellsReachAssistiveTechnologyAsBuilt_data() { dialogs_data(); }
    void cellsReachAssistiveTechnologyAsBuilt() {
        QFETCH(Opener, open);
        QFETCH(int, columns);
        HandOver shared;
        const Calculated shown = open(shared);
        QTableView* grid = ResultGrid(*shown.dlg);
        QVERIFY(grid != nullptr);
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
        QVERIFY(table != nullptr);
        QCOMPARE(table->role(), QAccessible::Table);
        QAccessibleTableInterface* cells = table->tableInterface();
        QVERIFY(cells != nullptr);
        QCOMPARE(cells->rowCount(), static_cast<int>(shown.rows.size()));
        QCOMPARE(cells->columnCount(), columns);
        for (int r = 0; r < cells->rowCount(); ++r) {
            QStringList read;
            for (int c = 0; c < columns; ++c) {
                QAccessibleInterface* cell = cells->cellAt(r, c);
                QVERIFY(cell != nullptr);
                QCOMPARE(cell->role(), QAccessible::Cell);
                const QString text = cell->text(QAccessible::Name);
                if (!text.isEmpty()) read << text;
            }
            QVERIFY(!read.isEmpty());
            QCOMPARE(read, Values(shown.rows[r]));
        }
        shown.dlg->hide();
    }

    // Copy (Ctrl+C or the context menu's action) puts the fixed-width rows as plain text and
    // the cells as tab-separated values and as an HTML table.
    void copyGivesRowsAndCells_data() { dialogs_data(); }
    void copyGivesRowsAndCells() {
        QFETCH(Opener, open);
        QFETCH(int, columns);
        HandOver shared;
        const Calculated shown = open(shared);
        QTableView* grid = ResultGrid(*shown.dlg);
        QVERIFY(grid != nullptr);
        QApplication::clipboard()->clear();
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        QVERIFY(mime != nullptr);
        QStringList lines = shown.headingLines;
        lines << shown.rows;
        QCOMPARE(mime->text(), lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));

        const QStringList tsv =
            QString::fromUtf8(mime->data(QStringLiteral("text/tab-separated-values")))
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(tsv.size(), static_cast<int>(shown.rows.size()) + 1);
        QCOMPARE(tsv[0].split(QLatin1Char('\t')).size(), columns);
        QVERIFY(!tsv[0].contains(QLatin1Char('\n')));
        for (int r = 0; r < shown.rows.size(); ++r) {
            QStringList cells = tsv[r + 1].split(QLatin1Char('\t'));
            QCOMPARE(cells.size(), columns);
            cells.removeAll(QString());
            QCOMPARE(cells, Values(shown.rows[r]));
        }
        QVERIFY(mime->hasHtml());
        QCOMPARE(mime->html().count(QStringLiteral("<tr>")),
                 static_cast<int>(shown.rows.size()) + 1);

        // The context menu offers the same Copy.
        QAction* copy = grid->findChild<QAction*>("copyTable");
        QVERIFY(copy != nullptr);
        QVERIFY(grid->actions().contains(copy));
        QApplication::clipboard()->clear();
        copy->trigger();
        QCOMPARE(QApplication::clipboard()->mimeData()->text(),
                 lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        shown.dlg->hide();
    }
};

QTEST_MAIN(ResultGridsTest)
#include "result_grids_test.moc"
