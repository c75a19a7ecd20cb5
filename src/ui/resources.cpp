#include "ui/resources.h"

#include <QApplication>
#include <QIcon>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitBundle() { Q_INIT_RESOURCE(emberlin); }

namespace emberlin::ui {

void InitResources() {
    InitBundle();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/app_icon.svg")));
}

}  // namespace emberlin::ui
