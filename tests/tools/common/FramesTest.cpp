// The frames: the lines of the four effects, the flat outlines, the frame
// painter with its painting flag and the coupling of Appearance,
// BorderStyle and BorderEffect.
#include "platform/draw/PainterSurface.h"
#include "platform/testing/RecordingSurface.h"
#include "tools/common/Frames.h"

#include <QImage>
#include <QMetaEnum>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace orx::tools;
using orx::draw::DrawCall;
using orx::draw::Op;
using orx::draw::RecordingSurface;
using orx::host::OleColor;

namespace {

constexpr OleColor Sh{0x80000010};  // shadow
constexpr OleColor Hi{0x80000014};  // highlight
constexpr OleColor Dk{0x80000015};  // dark shadow
constexpr OleColor Lt{0x80000016};  // light
constexpr OleColor Black{0};
constexpr OleColor ItemBack{0x00C0E0F0};

QList<FrameLine> recordedLines(const RecordingSurface& surface)
{
    QList<FrameLine> out;
    for (const DrawCall& c : surface.calls)
        out.append(FrameLine{c.x1, c.y1, c.x2, c.y2, c.color});
    return out;
}

}  // namespace

// Readable failures for frame lines.
namespace orx::tools {
void PrintTo(const FrameLine& l, std::ostream* out)
{
    *out << "(" << l.x1 << ", " << l.y1 << ")-(" << l.x2 << ", " << l.y2 << ") 0x" << std::hex << l.color.value
         << std::dec;
}
}  // namespace orx::tools

TEST(FrameLines, EachEffectDrawsItsEightLinesInOrder)
{
    struct Case {
        const char* name;
        void (*draw)(RecordingSurface&);
        double w, h;
        QList<FrameLine> lines;
    };
    const Case cases[] = {
        {"Pop 1500 x 600", DrawPopFrame<RecordingSurface>, 1500, 600,
         {{0, 0, 0, 585, Lt}, {0, 585, 1485, 585, Dk}, {1485, 585, 1485, 0, Dk}, {1485, 0, 0, 0, Lt},
          {15, 15, 15, 570, Hi}, {15, 570, 1470, 570, Sh}, {1470, 570, 1470, 15, Sh}, {1470, 15, 15, 15, Hi}}},
        {"Drop 1500 x 600", DrawDropFrame<RecordingSurface>, 1500, 600,
         {{0, 0, 0, 585, Sh}, {0, 585, 1485, 585, Hi}, {1485, 585, 1485, 0, Hi}, {1485, 0, 0, 0, Sh},
          {15, 15, 15, 570, Dk}, {15, 570, 1470, 570, Lt}, {1470, 570, 1470, 15, Lt}, {1470, 15, 15, 15, Dk}}},
        {"Groove 1500 x 600: top lines from 1470 and 1455", DrawGrooveFrame<RecordingSurface>, 1500, 600,
         {{0, 0, 0, 585, Sh}, {0, 585, 1485, 585, Hi}, {1485, 585, 1485, 0, Hi}, {1470, 0, 0, 0, Sh},
          {15, 15, 15, 570, Hi}, {15, 570, 1470, 570, Sh}, {1470, 570, 1470, 15, Sh}, {1455, 15, 15, 15, Hi}}},
        {"Fillet 1500 x 600", DrawFilletFrame<RecordingSurface>, 1500, 600,
         {{0, 0, 0, 585, Hi}, {0, 585, 1485, 585, Sh}, {1485, 585, 1485, 0, Sh}, {1470, 0, 0, 0, Hi},
          {15, 15, 15, 570, Sh}, {15, 570, 1470, 570, Hi}, {1470, 570, 1470, 15, Hi}, {1455, 15, 15, 15, Sh}}},
        {"Drop on an odd size", DrawDropFrame<RecordingSurface>, 1007, 333,
         {{0, 0, 0, 318, Sh}, {0, 318, 992, 318, Hi}, {992, 318, 992, 0, Hi}, {992, 0, 0, 0, Sh},
          {15, 15, 15, 303, Dk}, {15, 303, 977, 303, Lt}, {977, 303, 977, 15, Lt}, {977, 15, 15, 15, Dk}}},
    };
    for (const Case& c : cases) {
        RecordingSurface surface(c.w, c.h);
        surface.setForeColor(OleColor{0x123456});  // must not be used
        c.draw(surface);
        for (const DrawCall& call : surface.calls) {
            EXPECT_EQ(call.op, Op::Line) << c.name;
            EXPECT_EQ(call.drawWidth, 1) << c.name;
        }
        EXPECT_EQ(recordedLines(surface), c.lines) << c.name;
    }
}

TEST(FrameLines, EffectNumbersAndPreviewPicturesPickTheSameRoutines)
{
    struct Case {
        int value;
        void (*named)(RecordingSurface&);
    };
    const Case cases[] = {
        {1, DrawPopFrame<RecordingSurface>},
        {2, DrawDropFrame<RecordingSurface>},
        {3, DrawGrooveFrame<RecordingSurface>},
        {4, DrawFilletFrame<RecordingSurface>},
        {0, nullptr},
        {5, nullptr},
        {-1, nullptr},
    };
    for (const Case& c : cases) {
        RecordingSurface byNumber(900, 450), byName(900, 450), preview(900, 450);
        drawFrameEffect(byNumber, c.value);
        paintBorderPreview(preview, c.value);
        if (c.named) {
            c.named(byName);
            EXPECT_EQ(byName.calls.size(), 8) << c.value;
        }
        EXPECT_EQ(byNumber.calls, byName.calls) << c.value;
        EXPECT_EQ(preview.calls, byName.calls) << c.value << ": a preview picture draws its effect or stays blank";
    }
}

// Anything with a width, a height and a line primitive will do; this one
// grows after every line, to show that the size is read for each line.
struct GrowingPicture {
    double w = 600, h = 300;
    QList<FrameLine> lines;
    double Width() const { return w; }
    double Height() const { return h; }
    void Line(double x1, double y1, double x2, double y2, OleColor color)
    {
        lines.append({x1, y1, x2, y2, color});
        w += 15;
        h += 15;
    }
};
static_assert(orx::draw::LineSurface<GrowingPicture>);
static_assert(orx::draw::LineSurface<orx::draw::Surface>);

TEST(FrameLines, SizeIsReadAnewForEveryLine)
{
    GrowingPicture picture;
    DrawPopFrame(picture);
    ASSERT_EQ(picture.lines.size(), 8);
    EXPECT_EQ(picture.lines[0], (FrameLine{0, 0, 0, 285, Lt}));                // H = 300
    EXPECT_EQ(picture.lines[1], (FrameLine{0, 300, 600, 300, Dk}));            // W = 615, H = 315
    EXPECT_EQ(picture.lines[3], (FrameLine{630, 0, 0, 0, Lt}));                // W = 645
    EXPECT_EQ(picture.lines[7], (FrameLine{675, 15, 15, 15, Hi}));             // W = 705
}

TEST(FrameLines, GrooveFramePaintsTheShadowColourAtTheCorner)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Mid, QColor(101, 102, 103));
    palette.setColor(QPalette::Active, QPalette::Light, QColor(201, 202, 203));
    QImage image(100, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        orx::draw::PainterSurface surface(&image, palette);
        surface.setSize(1500, 600);
        DrawGrooveFrame(surface);
    }
    EXPECT_EQ(image.pixelColor(0, 0), QColor(101, 102, 103));
    EXPECT_EQ(image.pixelColor(0, 38), QColor(101, 102, 103)) << "left line ends above its end point";
    EXPECT_EQ(image.pixelColor(0, 39), QColor(201, 202, 203)) << "bottom line, highlight";
    EXPECT_EQ(image.pixelColor(98, 0), QColor(101, 102, 103)) << "outer top line starts at W - 30";
    EXPECT_EQ(image.pixelColor(99, 1), QColor(201, 202, 203)) << "right line, highlight";
    EXPECT_EQ(image.pixelColor(99, 0), QColor(Qt::white))
        << "neither the right line (end excluded) nor the shortened top line reaches the corner";
    EXPECT_EQ(image.pixelColor(1, 1), QColor(201, 202, 203)) << "inner ring, highlight";
}

TEST(BorderPainterTest, DrawsTheFrameOfTheStateThenTheFocus)
{
    using Path = QList<FrameLine>;
    const Path blackOutline{{0, 0, 0, 585, Black}, {0, 585, 1485, 585, Black}, {1485, 585, 1485, 0, Black}, {1485, 0, 0, 0, Black}};
    Path backOutline = blackOutline;
    for (FrameLine& l : backOutline)
        l.color = ItemBack;
    RecordingSurface groove(1500, 600);
    DrawGrooveFrame(groove);
    RecordingSurface fillet(1500, 600);
    DrawFilletFrame(fillet);

    struct Case {
        const char* name;
        BorderProperties state;
        Path lines;
        bool path;  // drawn as one connected path
    };
    const Case cases[] = {
        {"3D Groove", {1, 0, 3}, recordedLines(groove), false},
        {"3D ignores a stored Fixed_Single", {1, 1, 4}, recordedLines(fillet), false},
        {"3D with No_Effect draws nothing", {1, 0, 0}, {}, false},
        {"3D with an effect out of range draws nothing", {1, 0, 7}, {}, false},
        {"flat Fixed_Single: black outline", {0, 1, 0}, blackOutline, true},
        {"flat without border: outline in the items' back colour", {0, 0, 0}, backOutline, true},
        {"other Appearance with Fixed_Single: black outline", {2, 1, 3}, blackOutline, true},
        {"other Appearance without border: nothing", {2, 0, 3}, {}, false},
    };
    for (const Case& c : cases) {
        RecordingSurface surface(1500, 600);
        BorderPainter painter;
        qsizetype linesBeforeFocus = -1;
        int focusCalls = 0;
        const bool drew = painter.PaintBorder(surface, c.state, ItemBack, [&] {
            ++focusCalls;
            linesBeforeFocus = surface.calls.size();
            EXPECT_TRUE(painter.painting()) << c.name;
        });
        EXPECT_TRUE(drew) << c.name;
        EXPECT_FALSE(painter.painting()) << c.name;
        EXPECT_EQ(focusCalls, 1) << c.name;
        EXPECT_EQ(linesBeforeFocus, c.lines.size()) << c.name << ": the focus comes last";
        EXPECT_EQ(recordedLines(surface), c.lines) << c.name;
        for (qsizetype i = 0; i < surface.calls.size(); ++i) {
            const DrawCall& call = surface.calls[i];
            if (!c.path) {
                EXPECT_EQ(call.op, Op::Line) << c.name;
                continue;
            }
            EXPECT_EQ(call.op, i == 0 ? Op::Line : Op::LineTo) << c.name << " segment " << i;
            if (i > 0) {
                EXPECT_EQ(call.x1, surface.calls[i - 1].x2) << c.name << " segment " << i;
                EXPECT_EQ(call.y1, surface.calls[i - 1].y2) << c.name << " segment " << i;
            }
        }
    }
}

TEST(BorderPainterTest, APaintWhileDrawingDrawsNothing)
{
    const BorderProperties state = BorderProperties::groupDefaults();
    RecordingSurface surface(1500, 600);
    BorderPainter painter;

    // From inside the focus redraw, which holds the flag itself.
    bool nested = true;
    painter.PaintBorder(surface, state, ItemBack, [&] {
        painter.setPainting(true);
        nested = painter.PaintBorder(surface, state, ItemBack, [] { ADD_FAILURE() << "nested focus redraw"; });
        painter.setPainting(false);
    });
    EXPECT_FALSE(nested);
    EXPECT_EQ(surface.calls.size(), 8) << "only the outer frame";

    // While a focus rectangle routine is drawing.
    surface.clear();
    painter.setPainting(true);
    bool focus = false;
    EXPECT_FALSE(painter.PaintBorder(surface, state, ItemBack, [&] { focus = true; }));
    EXPECT_TRUE(surface.calls.isEmpty());
    EXPECT_FALSE(focus);
    EXPECT_TRUE(painter.painting()) << "the routine that holds the flag clears it";
    painter.setPainting(false);

    // An error in the focus redraw does not leave the control unpaintable.
    EXPECT_THROW(painter.PaintBorder(surface, state, ItemBack, [] { throw std::runtime_error("focus"); }),
                 std::runtime_error);
    EXPECT_FALSE(painter.painting());
    surface.clear();
    EXPECT_TRUE(painter.PaintBorder(surface, state, ItemBack, {}));
    EXPECT_EQ(surface.calls.size(), 8);
}

TEST(BorderPropertiesTest, SettingOnePropertyFollowsTheCouplingRules)
{
    using Notify = QStringList;
    enum Which { Appearance, Effect, Style };
    struct Step {
        Which property;
        std::int32_t value;
        Notify notify;  // empty: ignored, no refresh
        BorderProperties after;
    };
    struct Case {
        const char* name;
        BorderProperties start;
        QList<Step> steps;
    };
    const Notify app{QStringLiteral("Appearance")};
    const Notify eff{QStringLiteral("BorderEffect")};
    const Notify sty{QStringLiteral("BorderStyle")};
    const Notify toFlat{QStringLiteral("BorderEffect"), QStringLiteral("Appearance")};
    const Notify to3D{QStringLiteral("BorderStyle"), QStringLiteral("Appearance")};
    const Notify to3DWithDrop{QStringLiteral("BorderStyle"), QStringLiteral("BorderEffect"), QStringLiteral("Appearance")};

    const Case cases[] = {
        {"BorderEffect 0 on a 3D control is ignored", BorderProperties::groupDefaults(),
         {{Effect, 0, {}, {1, 0, 3}}}},
        {"BorderEffect 4 on a flat control stores 0", {0, 0, 0}, {{Effect, 4, eff, {0, 0, 0}}}},
        {"BorderEffect on a 3D control is stored", {1, 0, 3}, {{Effect, 1, eff, {1, 0, 1}}}},
        {"BorderStyle on a 3D control changes nothing", {1, 0, 3}, {{Style, 1, {}, {1, 0, 3}}}},
        {"outline only once BorderStyle is set again after a 3D spell", {0, 1, 0},
         {{Appearance, 1, to3DWithDrop, {1, 0, 2}},
          {Appearance, 0, toFlat, {0, 0, 0}},
          {Style, 1, sty, {0, 1, 0}}}},
        {"flat with No_Effect to 3D gives Drop, not the default Groove", {0, 0, 0},
         {{Appearance, 1, to3DWithDrop, {1, 0, 2}}}},
        {"3D to 3D keeps the effect and clears the border", {1, 1, 4}, {{Appearance, 1, to3D, {1, 0, 4}}}},
        {"flat clears the effect even when it is already 0", {0, 1, 0}, {{Appearance, 0, toFlat, {0, 1, 0}}}},
        {"another Appearance value is stored and counts as not 3D", {1, 0, 3},
         {{Appearance, 2, toFlat, {2, 0, 0}}, {Style, 1, sty, {2, 1, 0}}, {Effect, 3, eff, {2, 1, 0}}}},
        {"the text box starts with Drop", BorderProperties::textBoxDefaults(), {{Effect, 0, {}, {1, 0, 2}}}},
    };
    for (const Case& c : cases) {
        BorderProperties props = c.start;
        int n = 0;
        for (const Step& s : c.steps) {
            BorderChange change;
            switch (s.property) {
            case Appearance: change = props.setAppearance(s.value); break;
            case Effect: change = props.setBorderEffect(s.value); break;
            case Style: change = props.setBorderStyle(s.value); break;
            }
            EXPECT_EQ(change.notify, s.notify) << c.name << " step " << n;
            EXPECT_EQ(change.refresh, !s.notify.isEmpty()) << c.name << " step " << n;
            EXPECT_EQ(props, s.after) << c.name << " step " << n << ": " << props.Appearance() << "/"
                                      << props.BorderStyle() << "/" << props.BorderEffect();
            ++n;
        }
    }
    EXPECT_EQ(BorderProperties::groupDefaults(), (BorderProperties{1, 0, 3}));
}

TEST(BorderEnumerations, EachPrefixDeclaresTheSameMembers)
{
    struct Case {
        QMetaEnum meta;
        const char* prefix;
        QList<QPair<const char*, int>> members;  // names without the prefix
    };
    const QList<QPair<const char*, int>> appearance{{"Flat", 0}, {"3D", 1}};
    const QList<QPair<const char*, int>> style{{"No_Border", 0}, {"Fixed_Single", 1}};
    const QList<QPair<const char*, int>> effect{
        {"No_Effect", 0}, {"Pop_Frame", 1}, {"Drop_Frame", 2}, {"Groove_Frame", 3}, {"Fillet_Frame", 4}};
    const Case cases[] = {
        {QMetaEnum::fromType<ORXCK::ORXCK_Appearance_Constants>(), "ORXCK_", appearance},
        {QMetaEnum::fromType<ORXCK::ORXCK_BorderStyle_Constants>(), "ORXCK_", style},
        {QMetaEnum::fromType<ORXCK::ORXCK_BorderEffect_Constants>(), "ORXCK_", effect},
        {QMetaEnum::fromType<ORXOB::ORXOB_Appearance_Constants>(), "ORXOB_", appearance},
        {QMetaEnum::fromType<ORXOB::ORXOB_BorderStyle_Constants>(), "ORXOB_", style},
        {QMetaEnum::fromType<ORXOB::ORXOB_BorderEffect_Constants>(), "ORXOB_", effect},
        {QMetaEnum::fromType<ORXTX::ORXTX_Appearance_Constants>(), "ORXTX_", appearance},
        {QMetaEnum::fromType<ORXTX::ORXTX_BorderStyle_Constants>(), "ORXTX_", style},
        {QMetaEnum::fromType<ORXTX::ORXTX_BorderEffect_Constants>(), "ORXTX_", effect},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.meta.isValid());
        EXPECT_TRUE(QByteArray(c.meta.name()).startsWith(c.prefix)) << c.meta.name();
        ASSERT_EQ(c.meta.keyCount(), c.members.size()) << c.meta.name();
        for (int i = 0; i < c.meta.keyCount(); ++i) {
            EXPECT_EQ(QByteArray(c.meta.key(i)), QByteArray(c.prefix) + c.members[i].first) << c.meta.name();
            EXPECT_EQ(c.meta.value(i), c.members[i].second) << c.meta.key(i);
        }
    }
}
