// The ORX demo: a report of the runtime services, then the forms of the
// components. With a display the forms open as windows; without one they are
// rendered offscreen to PNG files under out/demo/ and their paths printed.
// The demo keeps its preset, currency and settings files under the output
// folder too, so a run leaves the user's own folders alone.
#include "apps/demo/ButtonDemo.h"
#include "apps/demo/DemoWindow.h"
#include "apps/demo/FramesDemo.h"
#include "apps/demo/GroupsDemo.h"
#include "apps/demo/PagesDemo.h"
#include "apps/demo/ReportDemo.h"
#include "apps/demo/ServicesReport.h"
#include "apps/demo/TextBoxDemo.h"

#include <QApplication>

int main(int argc, char** argv)
{
    useOwnFolders(demoOutFolder());
    QApplication app(argc, argv);
    printServicesReport();

    bool windows = false;
    const std::unique_ptr<QWidget> frames = makeFramesForm();
    windows |= showOrRender(*frames, QStringLiteral("frames"));
    const std::unique_ptr<QWidget> textBoxes = makeTextBoxForm();
    windows |= runTextBoxDemo(*textBoxes);
    const std::unique_ptr<QWidget> groups = makeGroupsForm();
    windows |= runGroupsDemo(*groups);
    const std::unique_ptr<QWidget> buttons = makeButtonForm();
    windows |= runButtonDemo(*buttons);
    runPagesDemo({textBoxes.get(), groups.get(), buttons.get()});
    windows |= runReportDemo();

    return windows ? app.exec() : 0;
}
