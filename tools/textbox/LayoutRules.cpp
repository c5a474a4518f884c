#include "tools/textbox/LayoutRules.h"

#include "platform/basic/Strings.h"
#include "tools/common/Frames.h"

namespace orx::tools::textbox {

void applySizeRules(const LayoutInput& in, double& width, double& height)
{
    width = in.width;
    height = in.height;
    if (in.runMode) {
        if (in.lockSize == 1 || in.lockSize == 3)
            height = in.designHeight;
        if (in.lockSize == 2 || in.lockSize == 3)
            width = in.designWidth;
    }
    if (width <= 90)
        width = 120;
    if (height <= 90)
        height = 120;
}

LayoutResult layoutWidgets(const LayoutInput& in)
{
    LayoutResult r;
    const double w = in.width;
    const double h = in.height;
    const double c = in.capWidth;
    r.width = w;
    r.height = h;

    const double editHeight = in.listShowing ? -1 : h - 75;
    const double buttonHeight = in.listShowing ? -1 : h - 45;

    if (in.spinButtons)
        r.spin = host::TwipRect{w - in.spinWidth - 30, 30, in.spinWidth, buttonHeight};
    if (in.comboButtonVisible)
        r.rightButton = host::TwipRect{w - in.buttonWidth - 30, 30, in.buttonWidth, buttonHeight};
    if (in.checkBoxVisible)
        r.checkBox = host::TwipRect{c + 45, 45, in.checkWidth, editHeight};

    // The side widget the edit field leaves room for: the spin bar first.
    double side = 0;
    if (in.spinButtons)
        side = in.spinWidth;
    else if (in.comboButtonVisible)
        side = in.buttonWidth;

    host::TwipRect edit{0, 45, 0, editHeight};
    if (!in.handleCurrencyChanges) {
        if (in.checkBoxVisible) {
            edit.left = r.checkBox->left + in.checkWidth;
            edit.width = w - c - in.checkWidth - 75 - side;
        } else {
            edit.left = c + 45;
            edit.width = side > 0 ? w - c - side - 75 : w - c - 90;
        }
    } else {
        r.leftButton = host::TwipRect{c + 30, 30, in.buttonWidth, buttonHeight};
        r.rightButton = host::TwipRect{w - in.buttonWidth - 30, 30, in.buttonWidth, buttonHeight};
        // The field starts 15 after the left button, which already sits
        // after the caption area; its right edge then keeps 30 twips from
        // the right button whatever the caption's width.
        edit.left = r.leftButton->left + in.buttonWidth + 15;
        edit.width = w - 2 * in.buttonWidth - c - 105;
    }
    r.edit = edit;
    r.label = edit;
    r.focus = host::TwipRect{c, 0, w - c, h};
    if (!in.runMode) {
        r.designHeight = h;
        r.designWidth = w;
    }
    return r;
}

QList<FrameOp> inputAreaFrame(int appearance, int borderStyle, int borderEffect, double c, double w, double h,
                              host::OleColor editBack)
{
    using draw::Op;
    namespace fc = framecolor;
    QList<FrameOp> ops;
    auto line = [&](double x1, double y1, double x2, double y2, host::OleColor col) {
        ops.append(FrameOp{Op::Line, x1, y1, x2, y2, col});
    };
    if (appearance == border::ThreeD) {
        switch (borderEffect) {
        case border::DropFrame:
            line(c, 0, c, h - 15, fc::Shadow);
            line(w - 15, 0, c, 0, fc::Shadow);
            line(c, h - 15, w - 15, h - 15, fc::Highlight);
            line(w - 15, 0, w - 15, h, fc::Highlight);
            line(w - 30, 15, c + 15, 15, fc::DarkShadow);
            line(c + 15, 15, c + 15, h - 30, fc::DarkShadow);
            line(c + 15, h - 30, w - 15, h - 30, fc::Light);
            line(w - 30, 15, w - 30, h - 30, fc::Light);
            break;
        case border::PopFrame:
            line(c + 15, 15, c + 15, h - 30, fc::Light);
            line(w - 30, 15, c + 15, 15, fc::Light);
            line(c, 0, c, h - 15, fc::Highlight);
            line(w - 15, 0, c, 0, fc::Highlight);
            line(c + 15, h - 30, w - 30, h - 30, fc::Shadow);
            line(w - 30, 15, w - 30, h - 15, fc::Shadow);
            line(c, h - 15, w - 15, h - 15, fc::DarkShadow);
            line(w - 15, 0, w - 15, h, fc::DarkShadow);
            break;
        case border::GrooveFrame:
        case border::FilletFrame: {
            const bool groove = borderEffect == border::GrooveFrame;
            const host::OleColor outer = groove ? fc::Shadow : fc::Highlight;
            const host::OleColor inner = groove ? fc::Highlight : fc::Shadow;
            ops.append(FrameOp{Op::Rectangle, c, 0, w - 30, h - 30, outer});
            line(w - 15, 0, w - 15, h - 15, inner);
            line(c, h - 15, w, h - 15, inner);
            line(c + 15, 15, c + 15, h - 30, inner);
            line(c + 15, 15, w - 30, 15, inner);
            break;
        }
        default: break;
        }
        line(c + 30, 30, c + 30, h - 30, editBack);
        line(c + 30, 30, w - 30, 30, editBack);
        line(w - 45, 30, w - 45, h - 30, editBack);
    } else if (appearance == border::Flat) {
        const host::OleColor col = borderStyle == border::FixedSingle ? fc::Black : editBack;
        line(c, 0, c, h - 15, col);
        ops.append(FrameOp{Op::LineTo, c, h - 15, w - 15, h - 15, col});
        ops.append(FrameOp{Op::LineTo, w - 15, h - 15, w - 15, 0, col});
        ops.append(FrameOp{Op::LineTo, w - 15, 0, c, 0, col});
    }
    return ops;
}

bool captionPrinted(const QString& caption, double capWidth)
{
    return capWidth > 0 && !basic::trimSpaces(caption).isEmpty();
}

QPointF captionOrigin(int capAlignment, double c, double tw, double th, double sh)
{
    double x = 30;
    switch (capAlignment % 3) {
    case 1: x = c - tw - 30; break;     // right
    case 2: x = (c - tw) / 2; break;    // centre
    default: break;
    }
    double y = 0;
    if (capAlignment >= 3 && capAlignment <= 5)
        y = (sh - th) / 2;
    else if (capAlignment >= 6)
        y = sh - th - 15;
    return QPointF(x, y);
}

}  // namespace orx::tools::textbox
