#include "ui/widgets/result_exports.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTextOption>
#include <QUrl>
#include <algorithm>
#include <memory>

#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/file_answers.h"
#include "ui/widgets/form_binder.h"

#ifndef EMBERLIN_VERSION
#define EMBERLIN_VERSION "unknown"
#endif

namespace emberlin::ui {

namespace {

QString Escaped(const std::string& text) { return ToQ(text).toHtmlEscaped(); }

// Inputs as name / value / unit triples, three to a line, so that a long list fits the page.
QString InputsHtml(const forms::ResultTable& table) {
    QString html = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">");
    constexpr std::size_t kPerLine = 3;
    // Fuel type and ignition first, then the weather and the indices, then site and time.
    const std::vector<std::size_t> order = forms::ReadingOrder(table);
    for (std::size_t i = 0; i < order.size(); i += kPerLine) {
        html += QStringLiteral("<tr>");
        for (std::size_t j = i; j < i + kPerLine; ++j) {
            if (j < order.size()) {
                const std::size_t k = order[j];
                html += QStringLiteral(
                            "<td>%1</td><td align=\"right\" style=\"white-space: "
                            "nowrap\"><b>%2</b></td><td style=\"white-space: nowrap; "
                            "padding-right: 12px\">%3</td>")
                            .arg(Escaped(table.inputColumns[k].name), Escaped(table.inputs[k].text),
                                 Escaped(table.inputColumns[k].unit));
            } else {
                html += QStringLiteral("<td></td><td></td><td></td>");
            }
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// One row of results reads best as a list; several as a table with a heading row.
QString ResultsHtml(const std::vector<forms::TableColumn>& columns,
                    const std::vector<std::vector<forms::TableCell>>& rows) {
    if (rows.empty()) return QStringLiteral("<p>Not calculated yet.</p>");
    QString html = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" style=\"border-color: black\">");
    if (rows.size() == 1) {
        // Name and value pairs three to a line, as the inputs: a report of one page.
        const auto& row = rows.front();
        constexpr std::size_t kPerLine = 3;
        for (std::size_t i = 0; i < row.size(); i += kPerLine) {
            html += QStringLiteral("<tr>");
            for (std::size_t j = i; j < i + kPerLine; ++j) {
                if (j < row.size()) {
                    html += QStringLiteral(
                                "<td>%1</td><td align=\"right\" style=\"white-space: "
                                "nowrap\"><b>%2</b></td>")
                                .arg(Escaped(columns[j].Heading()), Escaped(row[j].text));
                } else {
                    html += QStringLiteral("<td></td><td></td>");
                }
            }
            html += QStringLiteral("</tr>");
        }
        return html + QStringLiteral("</table>");
    }
    // The heading row repeats at the top of every page the table runs onto.
    html += QStringLiteral("<thead><tr>");
    for (const forms::TableColumn& c : columns) {
        html += QStringLiteral("<th>%1</th>").arg(Escaped(c.Heading()));
    }
    html += QStringLiteral("</tr></thead>");
    for (const auto& row : rows) {
        html += QStringLiteral("<tr>");
        for (const forms::TableCell& cell : row) {
            // A number or a word stays whole on its line.
            html += QStringLiteral("<td align=\"%1\" style=\"white-space: nowrap\">%2</td>")
                        .arg(cell.value ? QStringLiteral("right") : QStringLiteral("left"),
                             Escaped(cell.text));
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// Keeps a dialog's exports as its child, for its buttons and for tests.
class ExportsHolder : public QObject {
  public:
    ExportsHolder(ResultExports exports, QObject* parent)
        : QObject(parent), exports_(std::move(exports)) {
        setObjectName(QStringLiteral("resultExports"));
    }
    const ResultExports& Exports() const { return exports_; }

  private:
    ResultExports exports_;
};

void SaveCsv(QWidget* parent, const forms::ResultTable& table) {
    const QString path =
        AskSaveFileName(parent, QStringLiteral("Save CSV"), QStringLiteral("results.csv"),
                        QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty()) return;
    const QString reason =
        WriteFileAtomically(path, QByteArray::fromStdString(forms::CsvText(table)));
    if (!reason.isEmpty()) {
        ShowProgramMessage(parent, QStringLiteral("The results could not be saved to %1: %2.")
                                       .arg(QDir::toNativeSeparators(path), reason));
    }
}

void AskAndPrint(QWidget* parent, const ResultExports& exports) {
    QPrinter printer(QPrinter::HighResolution);
    if (!AskPrinter(printer, parent, QStringLiteral("Report"))) return;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // Not straight into the file the user named: an old report there stays whole unless
        // the new one is written in full.
        const QString path = printer.outputFileName();
        const QString reason = WriteReportPdf(path, exports, printer.pageLayout().pageSize());
        if (!reason.isEmpty()) {
            ShowProgramMessage(parent, QStringLiteral("The report could not be saved to %1: %2.")
                                           .arg(QDir::toNativeSeparators(path), reason));
        }
        return;
    }
    PrintReport(printer, exports);
}

}  // namespace

QString ProgramVersion() { return QStringLiteral(EMBERLIN_VERSION); }

void CopyResults(const forms::ResultTable& table) {
    auto* data = new QMimeData;
    data->setText(ToQ(forms::TabSeparatedText(table)));
    data->setHtml(ToQ(forms::HtmlText(table)));
    QApplication::clipboard()->setMimeData(data);
}

QString ReportHtml(const forms::ResultTable& table, const std::string& howComputed,
                   bool withPicture) {
    QString html = QStringLiteral("<html><body style=\"color: black\">");
    html += QStringLiteral("<h2>%1</h2>").arg(Escaped(table.title));
    html += QStringLiteral("<p>Printed %1 &nbsp;&middot;&nbsp; EMBERLIN %2</p>")
                .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                     ProgramVersion().toHtmlEscaped());
    html += QStringLiteral("<h3>Inputs</h3>") + InputsHtml(table);
    html += QStringLiteral("<h3>Results</h3>") + ResultsHtml(table.resultColumns, table.rows);
    for (const std::string& line : table.summary) {
        html += QStringLiteral("<p>%1</p>").arg(Escaped(line));
    }
    // A further table prints whole up to a few hundred pages; beyond that (an hourly grid of
    // many years) the report says where its rows are instead of laying out millions of cells.
    constexpr std::size_t kMostPrintedRows = 10000;
    for (const forms::ResultPart& part : table.parts) {
        html += QStringLiteral("<h3>%1</h3>").arg(Escaped(part.caption));
        if (part.rows.size() > kMostPrintedRows) {
            html += QStringLiteral(
                        "<p>%1 rows, more than a report prints: Save CSV or Copy "
                        "Results gives them.</p>")
                        .arg(part.rows.size());
        } else {
            html += ResultsHtml(part.columns, part.rows);
        }
    }
    if (!table.note.empty()) html += QStringLiteral("<p><b>%1</b></p>").arg(Escaped(table.note));
    // The picture's place; the drawing itself goes in as vectors when the report is laid out.
    if (withPicture) html += QStringLiteral("<p><img src=\"emberlin:picture\"></p>");
    // A number keeps its unit on its line ("95 %", "15 min").
    static const QRegularExpression numberAndUnit(
        QStringLiteral("(\\d) (%|deg|m/min|min|km/h|kW/m|kg/m|ha|m|h)(?![\\w/])"));
    QString note = Escaped(howComputed);
    note.replace(numberAndUnit, QStringLiteral("\\1&nbsp;\\2"));
    html += QStringLiteral("<h3>How these were computed</h3><p>%1</p>").arg(note);
    return html + QStringLiteral("</body></html>");
}

namespace {

// Pixels per inch of a text layout without a paint device: the screen's.
double LayoutDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
}

// Draws a picture where the report's text holds its object: through the printer's painter,
// so a PDF holds its lines and text as vectors.
class ReportPictureObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

  public:
    static constexpr int kType = QTextFormat::UserObject + 1;

    ReportPictureObject(SizedPicture picture, QSizeF shown, QObject* parent)
        : QObject(parent), picture_(std::move(picture)), shown_(shown) {}
    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override { return shown_; }
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat&) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / picture_.size.width(),
                       rect.height() / picture_.size.height());
        painter->setClipRect(QRectF(QPointF(0, 0), QSizeF(picture_.size)));
        picture_.paint(*painter, picture_.size);
        painter->restore();
    }

  private:
    SizedPicture picture_;
    QSizeF shown_;
};

// Puts the picture in the place the report's HTML keeps for it.
void PlacePicture(QTextDocument& document, const SizedPicture& picture) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.isImageFormat() ||
                format.toImageFormat().name() != QLatin1String("emberlin:picture")) {
                continue;
            }
            // At most the page's width less a margin, at most 400 px (4.2 in) wide.
            const double width = std::min({document.pageSize().width() - 8.0, 400.0,
                                           static_cast<double>(picture.size.width())});
            const QSizeF shown(width, width * picture.size.height() / picture.size.width());
            document.documentLayout()->registerHandler(
                ReportPictureObject::kType, new ReportPictureObject(picture, shown, &document));
            QTextCharFormat object;
            object.setObjectType(ReportPictureObject::kType);
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
            return;
        }
    }
}

// The report laid out on pages of `printer` (its orientation as set) at `points`: lines wrap
// between words only, so a table wider than the page shows as a document wider than it.
std::unique_ptr<QTextDocument> LaidOutReport(QPagedPaintDevice& printer, const QString& html,
                                             const SizedPicture& picture, double points) {
    auto document = std::make_unique<QTextDocument>();
    QTextOption wrap = document->defaultTextOption();
    wrap.setWrapMode(QTextOption::WordWrap);
    document->setDefaultTextOption(wrap);
    QFont font = document->defaultFont();
    font.setPointSizeF(points);
    document->setDefaultFont(font);
    document->setHtml(html);
    // The layout's units are the screen's pixels: the page in those, printed to the
    // printer's page.
    document->setPageSize(printer.pageLayout().paintRect(QPageLayout::Point).size() *
                          (LayoutDpi() / 72.0));
    if (picture.paint && !picture.size.isEmpty()) PlacePicture(*document, picture);
    return document;
}

// The report on the pages of a printer or a PDF writer.
void PrintReportOn(QPagedPaintDevice& printer, const ResultExports& exports) {
    const forms::ResultTable table = exports.table();
    const SizedPicture picture = exports.picture ? exports.picture() : SizedPicture{};
    const bool withPicture = picture.paint && !picture.size.isEmpty();
    const QString html =
        ReportHtml(table, exports.howComputed ? exports.howComputed() : std::string(), withPicture);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    // Portrait first, then landscape for a table too wide; on each the font steps down from
    // 9.5 pt to 7 pt (no smaller: it must stay readable) until the widest table fits the
    // width. A table longer than a page runs on with its heading row repeated.
    std::unique_ptr<QTextDocument> document;
    for (QPageLayout::Orientation orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        printer.setPageOrientation(orientation);
        const double width =
            printer.pageLayout().paintRect(QPageLayout::Point).width() * (LayoutDpi() / 72.0);
        for (double points = 9.5; points >= 7.0; points -= 0.5) {
            document = LaidOutReport(printer, html, picture, points);
            if (document->size().width() <= width + 1.0) break;
        }
        if (document->size().width() <= width + 1.0) break;
    }
    document->print(&printer);
}

}  // namespace

void PrintReport(QPrinter& printer, const ResultExports& exports) {
    PrintReportOn(printer, exports);
}

QString WriteReportPdf(const QString& path, const ResultExports& exports,
                       const QPageSize& pageSize) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);  // a high-resolution printer's
        writer.setPageSize(pageSize);
        writer.setCreator(QStringLiteral("EMBERLIN ") + ProgramVersion());
        PrintReportOn(writer, exports);
    }  // the document is ended when its printing ends
    if (bytes.isEmpty()) return QStringLiteral("the report could not be laid out");
    return WriteFileAtomically(path, bytes);
}

const ResultExports* FindResultExports(const QDialog& dialog) {
    for (QObject* child : dialog.children()) {
        if (child->objectName() == QLatin1String("resultExports")) {
            return &static_cast<ExportsHolder*>(child)->Exports();
        }
    }
    return nullptr;
}

namespace {

// Gives every button of the dialog that has no keyboard mnemonic the first letter of its
// caption that no other button of the dialog uses.
void AssignFreeMnemonics(QDialog& dialog) {
    QString used;
    const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        const qsizetype amp = button->text().indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < button->text().size())
            used += button->text().at(amp + 1).toLower();
    }
    for (QPushButton* button : buttons) {
        if (button->window() != &dialog || button->text().contains(QLatin1Char('&'))) continue;
        const QString text = button->text();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar letter = text.at(i).toLower();
            if (!letter.isLetter() || used.contains(letter)) continue;
            used += letter;
            button->setText(text.left(i) + QLatin1Char('&') + text.mid(i));
            break;
        }
    }
}

}  // namespace

void UpdateResultExports(QDialog& dialog) {
    const ResultExports* exports = FindResultExports(dialog);
    if (exports == nullptr) return;
    const bool ready = !exports->ready || exports->ready();
    for (const char* name : {"copyResults", "saveCsv", "report"}) {
        if (auto* button = dialog.findChild<QPushButton*>(QLatin1String(name))) {
            button->setEnabled(ready);
        }
    }
}

std::array<QPushButton*, 3> MakeResultExportButtons(QDialog& dialog, ResultExports exports) {
    new ExportsHolder(exports, &dialog);
    QPushButton* copy =
        NamedButton(QStringLiteral("Copy Results"), QStringLiteral("copyResults"),
                    QStringLiteral("Copies the inputs and results (Ctrl+Shift+C): tab-separated "
                                   "for a spreadsheet, HTML for a word processor"),
                    &dialog);
    // Its own shortcut beside the mnemonic the caption gets.
    auto* copyKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &dialog);
    QObject::connect(copyKey, &QShortcut::activated, copy, &QPushButton::click);
    QPushButton* csv = NamedButton(
        QStringLiteral("Save CSV\u2026"), QStringLiteral("saveCsv"),
        QStringLiteral("Saves the inputs and results as CSV, numbers in full precision"), &dialog);
    QPushButton* report =
        NamedButton(QStringLiteral("Report\u2026"), QStringLiteral("report"),
                    QStringLiteral("Prints a one-page report, or writes it as PDF"), &dialog);
    const std::array<QPushButton*, 3> buttons = {copy, csv, report};
    for (QPushButton* button : buttons) {
        button->setAutoDefault(false);
        button->setAccessibleName(button->text());
    }
    AssignFreeMnemonics(dialog);
    // Nothing to export before the first results.
    const bool ready = !exports.ready || exports.ready();
    for (QPushButton* button : buttons) button->setEnabled(ready);
    QObject::connect(copy, &QPushButton::clicked, &dialog,
                     [exports] { CopyResults(exports.table()); });
    QObject::connect(csv, &QPushButton::clicked, &dialog,
                     [&dialog, exports] { SaveCsv(&dialog, exports.table()); });
    QObject::connect(report, &QPushButton::clicked, &dialog,
                     [&dialog, exports] { AskAndPrint(&dialog, exports); });
    return buttons;
}

}  // namespace emberlin::ui

#include "result_exports.moc"
