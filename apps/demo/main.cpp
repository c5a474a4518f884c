// The ORX demo: a report of the runtime services, then the forms of the
// components. With a display the forms open as windows; without one they are
// rendered offscreen to PNG files under out/demo/ and their paths printed.
#include "apps/demo/ServicesReport.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    printServicesReport();
    return 0;
}
