#pragma once

#include "tools/common/ToolsExport.h"

// The items of a group control: one box (a check box or an option button)
// and one caption label per item, item 0 always there and the others made
// as copies of it. Group-wide looks are kept here and given to every item,
// so an item made later looks like item 0. Both group controls hold one.
#include "platform/draw/Surface.h"
#include "platform/host/OleColor.h"
#include "platform/host/StdFont.h"
#include "tools/checkgroup/GroupRules.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <functional>

class QAbstractButton;
class QLabel;
class QWidget;

namespace orx::tools::groups {

class ORX_TOOLS_EXPORT GroupItems {
public:
    using MakeBox = std::function<QAbstractButton*(QWidget* parent)>;

    // `boxName` and "SF_Caption" name the widgets, with the index:
    // CK_Check(0), SF_Caption(0). `made` runs for every item made later, to
    // wire its events; the owner wires item 0 itself once this is built.
    GroupItems(QWidget* owner, const QString& boxName, MakeBox makeBox, std::function<void(int)> made);

    int count() const { return int(boxes_.size()); }
    bool contains(int i) const { return i >= 0 && i < count(); }
    QAbstractButton* box(int i) const { return contains(i) ? boxes_[i] : nullptr; }
    QLabel* label(int i) const { return contains(i) ? labels_[i] : nullptr; }
    // The index of a box or label of this group, or -1.
    int indexOf(const QObject* widget) const;

    // Makes items (copies of item 0, shown) or removes them from the highest
    // index down until there are `n` (at least 1).
    void setCount(int n);
    // Places every item; then each label takes the width of its text, at
    // most its caption width. The tab order follows the index.
    void place(const LayoutInput& in);

    QString caption(int i) const;
    // The label's text; the box carries it as its accessible name, so that
    // assistive technology announces each box with its caption.
    void setCaption(int i, const QString& text);
    QStringList captions() const;
    // Free text kept on the label (the option button group's list values).
    QString tag(int i) const;
    void setTag(int i, const QString& text);

    // Group-wide looks.
    host::OleColor backColor() const { return backColor_; }
    void setBackColor(host::OleColor color);
    host::OleColor foreColor() const { return foreColor_; }
    void setForeColor(host::OleColor color);
    const host::StdFont& font() const { return font_; }
    void setFont(const host::StdFont& font);
    int alignment() const { return alignment_; }
    void setAlignment(int alignment);  // 0 left, 1 right, 2 centre
    double itemHeight() const { return itemHeight_; }
    void setItemHeight(double twips);
    int mousePointer() const { return mousePointer_; }
    const QImage& mouseIcon() const { return mouseIcon_; }
    void setPointer(int pointer, const QImage& icon);
    // Item 0 only: later items copy it.
    void setToolTip(const QString& text);

    // The focus rectangle of item i around its caption, on the owner's
    // surface: erasing draws a 2-pixel outline in `back`; drawing erases,
    // then, when `hasFocus`, draws the dotted rectangle. An item that does
    // not exist draws nothing.
    void eraseFocus(draw::Surface& surface, int i, host::OleColor back) const;
    void drawFocus(draw::Surface& surface, int i, host::OleColor back, bool hasFocus) const;

private:
    void make(int k);
    void style(int k);

    QWidget* owner_;
    QString boxName_;
    MakeBox makeBox_;
    std::function<void(int)> made_;
    QList<QAbstractButton*> boxes_;
    QList<QLabel*> labels_;
    host::OleColor backColor_{host::syscolor::ButtonFace};
    host::OleColor foreColor_{host::syscolor::ButtonText};
    host::StdFont font_;
    int alignment_ = 0;
    double itemHeight_ = MinItemHeight;
    int mousePointer_ = 0;
    QImage mouseIcon_;
};

// The cursor of a classic pointer number (0 default, 1 arrow, 2 cross,
// 3 I-beam, 11 hourglass, 99 the custom icon).
ORX_TOOLS_EXPORT void applyPointer(QWidget* widget, int pointer, const QImage& icon);

}  // namespace orx::tools::groups
