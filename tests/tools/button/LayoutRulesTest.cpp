// The layout's rules: size held by LockSize and the minimum, caption and
// picture placement for every picture position, the focus rectangle.
#include "tools/button/ButtonLayout.h"

#include "platform/draw/Surface.h"

#include <gtest/gtest.h>

using namespace orx::tools::button;

TEST(ButtonSizeRules, LockSizeAndMinimum)
{
    struct Case {
        const char* name;
        SizeInput in;
        double width, height;
        bool corrected;
    } cases[] = {
        {"free", {1200, 400, 4, 4, true, 0, 900, 300}, 1200, 400, false},
        {"height locked", {1200, 400, 4, 4, true, 1, 900, 300}, 1200, 300, false},
        {"width locked", {1200, 400, 4, 4, true, 2, 900, 300}, 900, 400, false},
        {"both locked", {1200, 400, 4, 4, true, 3, 900, 300}, 900, 300, false},
        {"locked while designing", {1200, 400, 4, 4, false, 3, 900, 300}, 1200, 400, false},
        // A design size of 0 was never recorded: it is not restored.
        {"nothing recorded", {1200, 400, 4, 4, true, 3, 0, 0}, 1200, 400, false},
        {"width below minimum", {100, 400, 60, 4, true, 0, 0, 0}, 120, 400, true},
        {"height below minimum", {1200, 50, 4, 40, true, 0, 0, 0}, 1200, 80, true},
        {"just above the minimum", {106, 400, 60, 4, true, 0, 0, 0}, 106, 400, false},
    };
    for (const Case& c : cases) {
        const SizeResult r = applySizeRules(c.in);
        EXPECT_DOUBLE_EQ(r.width, c.width) << c.name;
        EXPECT_DOUBLE_EQ(r.height, c.height) << c.name;
        EXPECT_EQ(r.corrected, c.corrected) << c.name;
    }
}

TEST(ButtonPlacement, CaptionAndPictureForEachPosition)
{
    // 1500 x 900 twips, spacing 60 and 45, a picture 480 x 300, a caption
    // measured 195 twips high. Halves round to even (351.5 to 352, 202.5 to 202).
    const auto measure = [](double, double) { return 195.0; };
    struct Case {
        const char* name;
        bool caption, picture;
        int position;
        Placement expected;
    } cases[] = {
        {"caption only", true, false, 0, {60, 352, 1380, 195, 0, 0}},
        {"picture on top", true, true, 0, {60, 525, 1380, 195, 510, 45}},
        {"picture on the right", true, true, 1, {60, 352, 840, 195, 960, 300}},
        {"picture at the bottom", true, true, 2, {60, 202, 1380, 195, 510, 555}},
        {"picture on the left", true, true, 3, {600, 352, 840, 195, 60, 300}},
        {"picture only", false, true, 0, {0, 0, 0, 0, 510, 300}},
    };
    for (const Case& c : cases) {
        PlacementInput in{1500, 900, 60, 45, c.caption, c.picture, 480, 300, c.position};
        EXPECT_EQ(placeCaptionAndPicture(in, measure), c.expected) << c.name;
    }
}

TEST(ButtonPlacement, CaptionNeverTallerThanItsRoomNorNegative)
{
    // The measured height only ever shrinks the rectangle; a button smaller
    // than its spacing gets an empty one.
    PlacementInput in{1500, 300, 60, 45, true, false, 0, 0, 0};
    const Placement tall = placeCaptionAndPicture(in, [](double, double) { return 5000.0; });
    EXPECT_EQ(tall.capH, 210);
    in.width = 100;
    in.height = 60;
    const Placement tiny = placeCaptionAndPicture(in, [](double w, double h) {
        EXPECT_GE(w, 0);
        EXPECT_GE(h, 0);
        return 0.0;
    });
    EXPECT_EQ(tiny.capW, 0);
    EXPECT_EQ(tiny.capH, 0);
}

TEST(ButtonPlacement, DownPositionsShift15)
{
    const Placement up{60, 351, 1380, 195, 510, 45};
    EXPECT_EQ(up.down(), (Placement{75, 366, 1380, 195, 525, 60}));
}

TEST(ButtonPlacement, CaptionFormatBits)
{
    EXPECT_EQ(captionFormat(0), 16);
    EXPECT_EQ(captionFormat(1), 18);
    EXPECT_EQ(captionFormat(2), 17);
}

TEST(ButtonFocusRect, InsetAndDefaultButton)
{
    // Left and top 30 twips, right and bottom W - 45 and H - 45 (75 on the
    // default button), in pixels at 15 twips each; right and bottom exclusive.
    const QRect plain = focusRectPixels(1500, 600, false, 15, 15);
    EXPECT_EQ(plain.left(), 2);
    EXPECT_EQ(plain.top(), 2);
    EXPECT_EQ(plain.right() + 1, 97);
    EXPECT_EQ(plain.bottom() + 1, 37);
    const QRect def = focusRectPixels(1500, 600, true, 15, 15);
    EXPECT_EQ(def.right() + 1, 95);
    EXPECT_EQ(def.bottom() + 1, 35);
}
