#include "ui/widgets/resources.h"

#include <QDir>
#include <QIcon>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitBundle() {
    Q_INIT_RESOURCE(emberlin);
    Q_INIT_RESOURCE(icons);
    Q_INIT_RESOURCE(guide);
    Q_INIT_RESOURCE(prerendered);
}

namespace emberlin::ui {

QIcon ApplicationIcon() {
    // Drawn by rsvg-convert when the program was built, from the small drawing at 16 and
    // 24 px (a larger flame, a tree on whole pixels, no glow: the full drawing turns to a blur
    // of orange below 32 px, as in the installed icon theme) and from the full one above.
    QIcon icon;
    const QDir drawn(QStringLiteral(":/prerendered"));
    for (const QString& file : drawn.entryList({QStringLiteral("app_icon_*px.png")})) {
        const int size = file.section(QLatin1Char('_'), 2).chopped(6).toInt();  // "48px.png"
        icon.addFile(drawn.filePath(file), QSize(size, size));
    }
    return icon;
}

void InitResources() { InitBundle(); }

}  // namespace emberlin::ui
