#include "apps/demo/ButtonDemo.h"

#include "apps/demo/DemoWindow.h"
#include "platform/host/Extender.h"
#include "platform/host/Form.h"
#include "platform/host/Twips.h"
#include "tools/button/ORXCommandButton.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QTextStream>

using namespace orx;
using tools::ORXCommandButton;
using CB = ORXCommandButton;

namespace {

constexpr double kLeft = 240, kTop = 240, kWidth = 1500, kHeight = 450, kGap = 180;

struct Look {
    const char* name;
    int appearance;
    int shape;
    const char* captions;
};

// One button per look, then the rounded faces.
const Look kLooks[] = {
    {"Flat", CB::ORXCM_Flat, CB::ORXCM_Square, "&Flat"},
    {"ThreeD", CB::ORXCM_3D, CB::ORXCM_Square, "&3D"},
    {"HotSpot", CB::ORXCM_HotSpot, CB::ORXCM_Square, ""},
    {"SwitchFlat", CB::ORXCM_Switch_Flat, CB::ORXCM_Square, "Switch f&lat"},
    {"Switch3D", CB::ORXCM_Switch_3D, CB::ORXCM_Square, "&Switch 3D"},
    {"RoundFlat", CB::ORXCM_Flat, CB::ORXCM_Rounded, "Round flat"},
    {"Round3D", CB::ORXCM_3D, CB::ORXCM_Rounded, "&Round 3D"},
    {"RoundSwitch", CB::ORXCM_Switch_3D, CB::ORXCM_Rounded, "Round switch"},
};

QImage disc(QColor colour)
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(colour.darker());
    p.drawEllipse(1, 1, 14, 14);
    return image;
}

CB* place(host::Form& form, const char* name, double left, double top, double width = kWidth,
          double height = kHeight)
{
    auto* button = new CB();
    form.placeControl(button, QStringLiteral("ORX_Tools_OCXs.ORXCommandButton"), QLatin1String(name),
                      {left, top, width, height});
    return button;
}

CB* buttonNamed(QWidget& form, const char* name)
{
    auto* f = qobject_cast<host::Form*>(&form);
    return f ? qobject_cast<CB*>(f->control(QLatin1String(name))) : nullptr;
}

// Every event a button raises, one line each.
void logEvents(CB* b, QTextStream& out)
{
    const QString name = b->extender()->name();
    QObject::connect(b, &CB::Click, b, [&out, name] { out << "    " << name << ".Click\n"; });
    QObject::connect(b, &CB::MouseDown, b, [&out, name](int& button, int&, float& x, float& y) {
        out << "    " << name << ".MouseDown " << button << " at " << x << ", " << y << " twips\n";
    });
    QObject::connect(b, &CB::MouseUp, b, [&out, name](int& button, int&, float&, float&) {
        out << "    " << name << ".MouseUp " << button << "\n";
    });
    QObject::connect(b, &CB::KeyDown, b,
                     [&out, name](int& code, int&) { out << "    " << name << ".KeyDown " << code << "\n"; });
    QObject::connect(b, &CB::KeyUp, b,
                     [&out, name](int& code, int&) { out << "    " << name << ".KeyUp " << code << "\n"; });
    QObject::connect(b, &CB::KeyEnterPressed, b, [&out, name] { out << "    " << name << ".KeyEnterPressed\n"; });
    QObject::connect(b, &CB::ScrollCaptions, b, [&out, name] { out << "    " << name << ".ScrollCaptions\n"; });
}

QPoint centreInWindow(QWidget* w)
{
    return w->mapTo(w->window(), w->rect().center());
}

// The pointer moves as the user's would: the cursor, then the window's move.
void pointAt(QWidget& form, QPoint inWindow)
{
    QCursor::setPos(form.mapToGlobal(inWindow));
    QTest::mouseMove(form.windowHandle(), inWindow);
    QApplication::processEvents();
}

QString stateName(int state)
{
    switch (state) {
    case 1: return QStringLiteral("pressed");
    case 2: return QStringLiteral("lit");
    case 3: return QStringLiteral("pressed outside");
    default: return QStringLiteral("normal");
    }
}

void snapshot(QWidget& form, const QString& name, QTextStream& out)
{
    const QString path = saveSnapshot(form, name);
    out << "    picture: " << (path.isEmpty() ? QStringLiteral("could not write ") + name : path) << "\n";
}

}  // namespace

std::unique_ptr<QWidget> makeButtonForm()
{
    auto form = std::make_unique<host::Form>();
    form->setWindowTitle(QStringLiteral("ORX command buttons"));
    form->setUserMode(true);
    double left = kLeft;
    for (const Look& look : kLooks) {
        CB* b = place(*form, look.name, left, kTop);
        if (look.shape == CB::ORXCM_Rounded)
            b->setShape(CB::ORXCM_Shape_Constants(look.shape));
        b->setAppearance(CB::ORXCM_Appearance_Constants(look.appearance));
        b->setCaptions(QString::fromUtf8(look.captions));
        if (look.appearance == CB::ORXCM_HotSpot)
            b->setToolTipText(QStringLiteral("A hot spot: invisible, it clicks"));
        left += kWidth + kGap;
    }
    const double row2 = kTop + kHeight + 2 * kGap;
    auto* note = new QLabel(QStringLiteral("The hot spot is the empty place third in the row above."), form.get());
    host::setTwipGeometry(note, {kLeft, row2 - kGap - 60, 8 * (kWidth + kGap), 240});

    CB* picture = place(*form, "Picture", kLeft, row2, kWidth, 2 * kHeight);
    picture->setCaptions(QStringLiteral("&Picture"));
    picture->setPicture(disc(Qt::darkGreen));
    picture->setDownPicture(disc(Qt::darkRed));
    picture->setUpPicture(disc(Qt::darkYellow));
    picture->setAppearance(CB::ORXCM_Flat);

    CB* captions = place(*form, "Captions", kLeft + kWidth + kGap, row2, kWidth, kHeight);
    captions->setCaptions(QStringLiteral("One|Two|Three"));
    QObject::connect(captions, &CB::Click, captions, [captions] { captions->setCapIndex(captions->CapIndex() + 1); });

    CB* ok = place(*form, "OK", kLeft + 2 * (kWidth + kGap), row2);
    ok->setCaptions(QStringLiteral("OK"));
    ok->setDefault(true);
    CB* cancel = place(*form, "Cancel", kLeft + 3 * (kWidth + kGap), row2);
    cancel->setCaptions(QStringLiteral("Cancel"));
    cancel->setCancel(true);
    CB* disabled = place(*form, "Disabled", kLeft + 4 * (kWidth + kGap), row2);
    disabled->setCaptions(QStringLiteral("Disabled"));
    disabled->setEnabledState(false);

    auto* field = new QLineEdit(form.get());
    field->setObjectName(QStringLiteral("Field"));
    field->setPlaceholderText(QStringLiteral("Enter: OK, Escape: Cancel"));
    host::setTwipGeometry(field, {kLeft + 5 * (kWidth + kGap), row2, 2 * kWidth, 330});

    form->resize(host::pixelsFromTwipsX(kLeft * 2 + 8 * (kWidth + kGap)),
                 host::pixelsFromTwipsY(row2 + 2 * kHeight + kTop));
    return form;
}

bool runButtonDemo(QWidget& form)
{
    if (!headless())
        return showOrRender(form, QStringLiteral("buttons"));

    QString text;
    QTextStream out(&text);
    form.show();
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();
    out << "\n" << form.windowTitle() << "\n";
    snapshot(form, QStringLiteral("buttons"), out);
    auto* f = qobject_cast<host::Form*>(&form);
    for (host::UserControl* c : f->controls()) {
        if (auto* b = qobject_cast<CB*>(c))
            logEvents(b, out);
    }
    const QPoint away(4, form.height() - 4);

    for (const Look& look : kLooks) {
        CB* b = buttonNamed(form, look.name);
        if (!b)
            continue;
        const QString base = QStringLiteral("button-") + QString::fromLatin1(look.name).toLower();
        out << "  " << look.name << "\n";
        // Hover: the timer lights the flat looks within 100 ms.
        pointAt(form, centreInWindow(b));
        QTest::qWait(250);
        out << "    hovered: " << stateName(b->visualState()) << "\n";
        snapshot(form, base + QStringLiteral("-hover"), out);
        QTest::mousePress(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, centreInWindow(b));
        QApplication::processEvents();
        out << "    pressed: " << stateName(b->visualState()) << (b->Value() ? ", latched" : "") << "\n";
        snapshot(form, base + QStringLiteral("-pressed"), out);
        QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, centreInWindow(b));
        QApplication::processEvents();
        pointAt(form, away);
        QTest::qWait(250);
        out << "    released and left: " << stateName(b->visualState()) << (b->Value() ? ", latched" : "") << "\n";
        snapshot(form, base + QStringLiteral("-released"), out);
    }

    // A switch toggled back with the space bar.
    if (CB* sw = buttonNamed(form, "Switch3D")) {
        sw->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QTest::keyClick(sw, Qt::Key_Space);
        out << "  Switch3D, space bar: Value " << (sw->Value() ? "True" : "False") << "\n";
        snapshot(form, QStringLiteral("button-switch3d-space"), out);
    }

    // The caption list steps round with each click.
    if (CB* captions = buttonNamed(form, "Captions")) {
        out << "  Captions, clicked four times (each Click steps CapIndex):\n";
        QStringList shown{captions->currentCaption()};
        for (int i = 0; i < 4; ++i) {
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, centreInWindow(captions));
            QApplication::processEvents();
            shown << captions->currentCaption();
        }
        out << "    captions shown: " << shown.join(QStringLiteral(", ")) << "\n";
        snapshot(form, QStringLiteral("button-captions"), out);
    }

    if (CB* picture = buttonNamed(form, "Picture")) {
        QTest::mousePress(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, centreInWindow(picture));
        QApplication::processEvents();
        out << "  Picture pressed: the down picture, caption and picture 15 twips lower right\n";
        snapshot(form, QStringLiteral("button-picture-pressed"), out);
        QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, Qt::NoModifier, centreInWindow(picture));
        QApplication::processEvents();
    }

    // Enter and Escape in a text field click the default and cancel buttons.
    if (auto* field = form.findChild<QLineEdit*>(QStringLiteral("Field"))) {
        field->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        out << "  Enter in the field:\n";
        QTest::keyClick(field, Qt::Key_Return);
        out << "  Escape in the field:\n";
        QTest::keyClick(field, Qt::Key_Escape);
        QApplication::processEvents();
        snapshot(form, QStringLiteral("button-default-cancel"), out);
    }
    form.hide();
    out.flush();
    QTextStream(stdout) << text;
    return false;
}
