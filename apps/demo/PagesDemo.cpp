#include "apps/demo/PagesDemo.h"

#include "apps/demo/DemoWindow.h"
#include "tools/button/ORXCommandButton.h"
#include "tools/checkgroup/ORXCheckBox.h"
#include "tools/optiongroup/ORXOptionButton.h"
#include "tools/pages/PropertyPagesDialog.h"
#include "tools/textbox/ORXTextBox.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextStream>

using orx::tools::ORXCheckBox;
using orx::tools::ORXCommandButton;
using orx::tools::ORXOptionButton;
using orx::tools::ORXTextBox;
using orx::tools::pages::PropertyPagesDialog;

namespace {

template <class Control>
QObject* firstOn(const QList<QWidget*>& forms)
{
    for (QWidget* form : forms) {
        if (auto* c = form->findChild<Control*>())
            return c;
    }
    return nullptr;
}

void showPages(QObject* control, QTextStream& out)
{
    const QString kind = QString::fromLatin1(control->metaObject()->className()).section(QStringLiteral("::"), -1);
    out << "  " << kind << " " << control->objectName() << ":\n";
    PropertyPagesDialog dialog({control});
    dialog.show();
    QTest::qWait(20);
    for (int i = 0; i < dialog.tabs()->count(); ++i) {
        dialog.tabs()->setCurrentIndex(i);
        QTest::qWait(10);
        const QString path = saveSnapshot(dialog, QStringLiteral("pages-%1-%2").arg(kind, dialog.tabs()->tabText(i).remove(QLatin1Char(' '))));
        out << "    " << dialog.tabs()->tabText(i) << ": " << (path.isEmpty() ? QStringLiteral("(not written)") : path) << "\n";
    }

    // One edit as a designer makes it: the Tag typed on its page, then Apply.
    auto* tag = dialog.findChild<QLineEdit*>(QStringLiteral("EF_Tag"));
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    if (!tag || !buttons)
        return;
    for (int i = 0; i < dialog.tabs()->count(); ++i) {
        if (dialog.tabs()->widget(i)->isAncestorOf(tag))
            dialog.tabs()->setCurrentIndex(i);
    }
    const QString before = control->property("Tag").toString();
    tag->setFocus();
    tag->selectAll();
    QTest::keyClicks(tag, QStringLiteral("edited on its page"));
    QTest::mouseClick(buttons->button(QDialogButtonBox::Apply), Qt::LeftButton);
    out << "    Tag \"" << before << "\" -> Apply -> \"" << control->property("Tag").toString() << "\"\n";
}

}  // namespace

void runPagesDemo(const QList<QWidget*>& forms)
{
    if (!headless())
        return;
    QTextStream out(stdout);
    out << "\nProperty pages of one control of each kind:\n";
    for (QObject* control : {firstOn<ORXTextBox>(forms), firstOn<ORXCheckBox>(forms), firstOn<ORXOptionButton>(forms),
                             firstOn<ORXCommandButton>(forms)}) {
        if (control)
            showPages(control, out);
    }
    out.flush();
}
