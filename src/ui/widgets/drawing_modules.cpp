#include "ui/widgets/drawing_modules.h"

#include <dlfcn.h>

namespace emberlin::ui {

bool LoadDrawingModules(QString* problem) {
    // Each module by the file name its library is linked with (EMBERLIN_DRAWING_MODULES, from
    // the build), into the process's global scope, where the windows' calls into it are
    // looked up on their first call.
    static const QString failure = [] {
        for (const char* module : {EMBERLIN_DRAWING_MODULES}) {
            if (dlopen(module, RTLD_NOW | RTLD_GLOBAL) == nullptr) {
                return QString::fromLocal8Bit(dlerror());
            }
        }
        return QString();
    }();
    if (problem != nullptr) *problem = failure;
    return failure.isEmpty();
}

}  // namespace emberlin::ui
