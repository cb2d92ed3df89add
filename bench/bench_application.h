// The one Qt application object of the benchmarks that paint or open windows.
#pragma once

#include <QApplication>

namespace JunctionBench
{
// Fonts and widgets need an application object; benchmarks run without a screen unless a
// platform is chosen.
inline QApplication& Application()
{
    static int argc = 1;
    static char name[] = "gyrolith-bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication application(argc, argv);
    return application;
}
} // namespace JunctionBench
