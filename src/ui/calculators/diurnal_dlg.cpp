#include "ui/calculators/diurnal_dlg.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/pictures/picture_launchers.h"
#include "ui/widgets/calculator_frame.h"
#include "ui/widgets/dialog_parts.h"
#include "ui/widgets/result_grid.h"

namespace emberlin::ui {

namespace {

using forms::DiurnalForm;

// The instruction texts carry runs of blanks that end their lines. In the monospace font,
// 56 characters to a line break them where those runs fall: after "noon values for",
// "and FFMC," and "Parameters and".
constexpr int kInstructionCharacters = 56;

QLabel* Instructions(const char* text, QWidget* parent) {
    QLabel* label = WrappedText(QString::fromLatin1(text), parent);
    label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    label->setFixedWidth(
        label->fontMetrics().horizontalAdvance(QString(kInstructionCharacters, QLatin1Char('0'))));
    return label;
}

}  // namespace

CDiurnalDlg::CDiurnalDlg(forms::HandOver& shared, QWidget* parent, forms::DiurnalForm* keptModel)
    : CModelDlg(parent, Held<forms::DiurnalForm>{keptModel}, shared) {
    setObjectName(QStringLiteral("CDiurnalDlg"));

    auto* frame = new CCalculatorFrame(*this, &binder_);
    QVBoxLayout* layout = frame->ContentLayout();
    auto* top = new QHBoxLayout;
    layout->addLayout(top);

    // Label and centred box in one grid row; `context` names the group for screen readers
    // where the same label appears twice.
    auto addField = [&](QGridLayout* grid, const char* id, int row, const QString& context) {
        AddLabelledField(binder_, grid, id, row, 0, {Qt::AlignCenter, 80, false, Qt::AlignRight});
        if (!context.isEmpty()) {
            binder_.Edit(id)->setAccessibleName(context + QLatin1Char(' ') +
                                                ToQ(model_.GetControl(id).label));
        }
    };

    // The PROCESS.
    auto* process = new QGroupBox(QStringLiteral("The PROCESS"), this);
    auto* processLayout = new QVBoxLayout(process);
    QLabel* first = Instructions(DiurnalForm::kInstructionsTop, process);
    first->setObjectName(QStringLiteral("instructionsTop"));
    QLabel* second = Instructions(DiurnalForm::kInstructionsBottom, process);
    second->setObjectName(QStringLiteral("instructionsBottom"));
    processLayout->addWidget(first);
    processLayout->addWidget(second);
    processLayout->addStretch(1);
    top->addWidget(process);

    // BASIC Inputs, with Today's Noon inside.
    auto* basic = new QGroupBox(QStringLiteral("BASIC Inputs"), this);
    auto* basicLayout = new QVBoxLayout(basic);
    auto* noon = new QGroupBox(QStringLiteral("Today's Noon"), basic);
    auto* noonGrid = new QGridLayout(noon);
    addField(noonGrid, "temperature", 0, QStringLiteral("Noon"));
    addField(noonGrid, "relativeHumidity", 1, QStringLiteral("Noon"));
    addField(noonGrid, "windSpeed", 2, QStringLiteral("Noon"));
    basicLayout->addWidget(noon);
    auto* basicGrid = new QGridLayout;
    // Inset like the fields of Today's Noon, so that all eight boxes share one column.
    const QMargins inset = noonGrid->contentsMargins();
    const int boxFrame = noon->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, noon);
    basicGrid->setContentsMargins(inset.left() + boxFrame, 0, inset.right() + boxFrame, 0);
    addField(basicGrid, "ffmc", 0, QString());
    addField(basicGrid, "month", 1, QString());
    addField(basicGrid, "day", 2, QString());
    addField(basicGrid, "latitude", 3, QString());
    addField(basicGrid, "longitude", 4, QString());
    basicLayout->addLayout(basicGrid);
    basicLayout->addStretch(1);
    top->addWidget(basic);

    // DIURNAL  Parameters: the temperature and wind curves side by side.
    auto* diurnal = new QGroupBox(QStringLiteral("DIURNAL  Parameters"), this);
    auto* diurnalLayout = new QHBoxLayout(diurnal);
    struct Curve {
        const char* title;
        const char* ids[5];  // Minimum, Maximum, ALPHA, BETA, GAMMA
    };
    const Curve curves[] = {
        {"Temperature",
         {"minTemperature", "maxTemperature", "temperatureAlpha", "temperatureBeta",
          "temperatureGamma"}},
        {"Wind Speed", {"minWind", "maxWind", "windAlpha", "windBeta", "windGamma"}},
    };
    for (const Curve& curve : curves) {
        auto* group = new QGroupBox(QString::fromLatin1(curve.title), diurnal);
        auto* grid = new QGridLayout(group);
        auto* note = new QLabel(QStringLiteral(" (  Typical Daily )"), group);
        note->setTextFormat(Qt::PlainText);
        grid->addWidget(note, 0, 0, 1, 2);
        for (int i = 0; i < 5; ++i) {
            addField(grid, curve.ids[i], i + 1, QString::fromLatin1(curve.title));
        }
        grid->setRowStretch(6, 1);
        diurnalLayout->addWidget(group);
    }
    top->addWidget(diurnal);

    // Options and buttons.
    auto* side = new QVBoxLayout;
    auto* method = new QGroupBox(QStringLiteral("FFMC Method"), this);
    auto* methodLayout = new QVBoxLayout(method);
    for (const char* id : {"vanWagnerOption", "lawsonOption", "equilibriumOption"}) {
        methodLayout->addWidget(binder_.Check(id));
    }
    side->addWidget(method);
    auto* setting = new QGroupBox(QStringLiteral(" Setting to Use "), this);
    auto* settingLayout = new QVBoxLayout(setting);
    settingLayout->addWidget(binder_.Check("defaultOption"));
    settingLayout->addWidget(binder_.Check("fwiCalculatorOption"));
    side->addWidget(setting);
    side->addStretch(1);
    top->addLayout(side);
    top->addStretch(1);

    // The output: its caption over a grid of the twelve rows, hours 1 to 12 on the left and
    // 13 to 24 on the right.
    const ResultGridBox output =
        MakeResultGridBox(binder_, QString::fromLatin1(DiurnalForm::kOutputCaption), this,
                          [this] { return model_.Table(); });
    output.box->setObjectName(QStringLiteral("outputCaption"));
    layout->addWidget(output.box, 1);

    // The typing warning above the action row, in sight however the content is scrolled;
    // Return calculates; the chart of the table sits beside CALCULATE.
    frame->AddCalculateButtons({}, {"exit", "cancel"});
    AddDiurnalChart(frame->ActionRow(), binder_, model_);
    frame->AddExports(FormExports(model_));
    ShareRoom({output.box}, {process});
}

}  // namespace emberlin::ui
