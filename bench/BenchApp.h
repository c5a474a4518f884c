#pragma once

// The one QApplication of the benchmark program, made on first use (on the
// offscreen platform unless one is given). It lives until the process ends
// and is never destroyed: widgets reach library-wide state whose own
// destruction order at exit is not ours to choose.
#include <QApplication>

namespace orx::bench {

inline QApplication& application()
{
    static QApplication* app = [] {
        static int argc = 1;
        static char name[] = "orx-bench";
        static char* argv[] = {name, nullptr};
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

}  // namespace orx::bench
