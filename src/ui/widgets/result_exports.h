// The ways a calculator's results leave its window: Copy Results (tab-separated text and
// HTML on the clipboard), Save CSV and a one-page printed or PDF report, and their buttons.
#pragma once

#include <QDialog>
#include <QImage>
#include <QPageSize>
#include <QString>
#include <array>
#include <functional>
#include <utility>

#include "forms/exports/report_notes.h"
#include "forms/exports/result_table.h"
#include "ui/pictures/picture_export.h"

class QPrinter;
class QPushButton;

namespace emberlin::ui {

struct ResultExports {
    // The form's inputs and results now.
    std::function<forms::ResultTable()> table;
    // What the report says about how the results were computed.
    std::function<std::string()> howComputed;
    // The form's picture for the report, drawn into it as vectors, where it has one (a null
    // painter: none).
    std::function<SizedPicture()> picture;
    // Whether there are results to export (the buttons are disabled until then); none: always.
    std::function<bool()> ready = {};
};

// The exports of a calculator's form: its results table and the note on how they were
// computed, both read when used, and its `picture` where it has one.
template <class Form>
ResultExports FormExports(const Form& form, std::function<SizedPicture()> picture = {}) {
    return {[&form] { return forms::MakeResultsTable(form); },
            [&form] { return forms::HowComputed(form); }, std::move(picture),
            [&form] { return form.HasResults(); }};
}

// "Copy Results" (Ctrl+Shift+C), "Save CSV..." and "Report..." of `dialog`, in that order,
// acting on `exports`; the calculator frame puts them in its action row.
std::array<QPushButton*, 3> MakeResultExportButtons(QDialog& dialog, ResultExports exports);

// Enables the export buttons of `dialog` when its form has results to export (the
// calculator frame does so after every action of its form).
void UpdateResultExports(QDialog& dialog);

// The exports the buttons of `dialog` act on (null when it has none).
const ResultExports* FindResultExports(const QDialog& dialog);

// Puts the table on the clipboard as tab-separated text and as HTML.
void CopyResults(const forms::ResultTable& table);
// The report as HTML (title, printing time, program version, inputs, results, picture
// placeholder and the paragraph on how they were computed).
QString ReportHtml(const forms::ResultTable& table, const std::string& howComputed,
                   bool withPicture);
// Lays the report out on the pages of `printer`.
void PrintReport(QPrinter& printer, const ResultExports& exports);
// Writes the report as a PDF file on pages of `pageSize`, whole or not at all: made in memory,
// then written beside the old file and renamed over it. Returns the reason of a failure
// (the old file then stays as it was), empty on success.
QString WriteReportPdf(const QString& path, const ResultExports& exports,
                       const QPageSize& pageSize = QPageSize(QPageSize::A4));

// The program's version ("1.0.0").
QString ProgramVersion();

}  // namespace emberlin::ui
