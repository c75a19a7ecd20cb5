#include "ui/widgets/resources.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitBundle() {
    Q_INIT_RESOURCE(emberlin);
    Q_INIT_RESOURCE(icons);
    Q_INIT_RESOURCE(guide);
    Q_INIT_RESOURCE(prerendered);
}

namespace emberlin::ui {

QIcon ApplicationIcon() {
    // The full drawing turns to a blur of orange below 32 px; the small drawing (a larger
    // flame, a tree on whole pixels, no glow) stands in at 16 and 24 px, as in the
    // installed icon theme.
    QSvgRenderer full(QStringLiteral(":/images/app_icon.svg"));
    QSvgRenderer small(QStringLiteral(":/icons/app_icon_small.svg"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        (size <= 24 ? small : full).render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void InitResources() {
    InitBundle();
    QApplication::setWindowIcon(ApplicationIcon());
}

}  // namespace emberlin::ui
