// Where the widgets go on every resize, LockSize and the design size, and
// the one-time wiring of the side widgets.
#include "tools/textbox/ORXTextBox_p.h"

#include "platform/host/Extender.h"
#include "platform/host/Twips.h"
#include "tools/textbox/LayoutRules.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <exception>

namespace orx::tools {

using namespace textbox;

namespace {

// Places a widget; a height of -1 keeps the widget's own (the list is open).
void place(QWidget* widget, host::TwipRect r)
{
    if (r.height < 0)
        r.height = host::twipGeometry(widget).height;
    host::setTwipGeometry(widget, r);
}

}  // namespace

void ORXTextBox::setUpSideWidgets()
{
    connect(d->VS_Spin, &QScrollBar::valueChanged, this, [this] { onSpinBarChanged(); });
    connect(d->ORX_CM_TX_INT_Right, &QPushButton::clicked, this, [this] { OpenList(); });
    d->LB_Combo->setFocusPolicy(Qt::StrongFocus);
    d->LB_Combo->setFrameShape(QFrame::NoFrame);
    d->LB_Combo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    d->LB_Combo->setMouseTracking(true);
    d->LB_Combo->viewport()->setMouseTracking(true);
    d->LB_Combo->installEventFilter(this);
    d->LB_Combo->viewport()->installEventFilter(this);
    d->CK_Selected->installEventFilter(this);
    d->CK_Selected->setAutoFillBackground(true);
    host::setTwipGeometry(d->VS_Spin, {0, 30, kSpinWidth, 300});
    host::setTwipGeometry(d->ORX_CM_TX_INT_Right, {0, 30, kSideButtonWidth, 300});
    host::setTwipGeometry(d->ORX_CM_TX_INT_Left, {0, 30, kSideButtonWidth, 300});
    host::setTwipGeometry(d->CK_Selected, {0, 45, kCheckBoxWidth, 270});
}

void ORXTextBox::Resize()
{
    placeWidgets();
}

void ORXTextBox::placeWidgets()
{
    // Changing the control's size from here raises another resize notice.
    if (d->resizing_)
        return;
    d->resizing_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{d->resizing_};

    // An error of a widget stops the layout where it happened; it never
    // reaches the container.
    try {
        LayoutInput in;
        in.width = extender()->width();
        in.height = extender()->height();
        in.capWidth = d->capWidth_;
        in.runMode = runMode();
        // The list hangs below the control by making it taller: a locked
        // height would cut it off, so LockSize waits until it closes.
        in.lockSize = listShowing() ? ORXTX_No_Locked : d->lockSize_;
        in.designWidth = d->designWidth_;
        in.designHeight = d->designHeight_;
        double w = 0, h = 0;
        applySizeRules(in, w, h);
        if (w != extender()->width())
            extender()->setWidth(w);
        if (h != extender()->height())
            extender()->setHeight(h);

        in.width = extender()->width();
        in.height = extender()->height();
        in.spinButtons = d->spinButtons_;
        in.comboButtonVisible = d->comboButtonVisible_;
        in.checkBoxVisible = d->checkBoxVisible_;
        in.handleCurrencyChanges = d->handleCurrencyChanges_;
        in.listShowing = listShowing();
        const LayoutResult r = layoutWidgets(in);
        if (r.spin)
            place(d->VS_Spin, *r.spin);
        if (r.rightButton)
            place(d->ORX_CM_TX_INT_Right, *r.rightButton);
        if (r.checkBox)
            place(d->CK_Selected, *r.checkBox);
        if (r.leftButton)
            place(d->ORX_CM_TX_INT_Left, *r.leftButton);
        place(d->EF_Text, r.edit);
        place(d->SF_Caption, r.label);
        host::setTwipGeometry(d->SH_Focus, r.focus);
        if (r.designHeight)
            d->designHeight_ = float(*r.designHeight);
        if (r.designWidth)
            d->designWidth_ = float(*r.designWidth);
    } catch (const std::exception&) {
    }
    update();
}

}  // namespace orx::tools
