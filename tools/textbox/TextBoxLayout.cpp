// Where the widgets go on every resize, LockSize and the design size, and
// the one-time wiring of the side widgets.
#include "tools/textbox/ORXTextBox_p.h"

#include "platform/basic/Logging.h"
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

void ORXTextBox::Private::setUpSideWidgets()
{
    QObject::connect(VS_Spin, &QScrollBar::valueChanged, q, [this] { onSpinBarChanged(); });
    QObject::connect(ORX_CM_TX_INT_Right, &QPushButton::clicked, q, [this] { OpenList(); });
    LB_Combo->setFocusPolicy(Qt::StrongFocus);
    LB_Combo->setFrameShape(QFrame::NoFrame);
    LB_Combo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LB_Combo->setMouseTracking(true);
    LB_Combo->viewport()->setMouseTracking(true);
    LB_Combo->installEventFilter(q);
    LB_Combo->viewport()->installEventFilter(q);
    CK_Selected->installEventFilter(q);
    CK_Selected->setAutoFillBackground(true);
    host::setTwipGeometry(VS_Spin, {0, 30, kSpinWidth, 300});
    host::setTwipGeometry(ORX_CM_TX_INT_Right, {0, 30, kSideButtonWidth, 300});
    host::setTwipGeometry(ORX_CM_TX_INT_Left, {0, 30, kSideButtonWidth, 300});
    host::setTwipGeometry(CK_Selected, {0, 45, kCheckBoxWidth, 270});
}

void ORXTextBox::Resize()
{
    d->placeWidgets();
}

void ORXTextBox::Private::placeWidgets()
{
    // Changing the control's size from here raises another resize notice.
    if (resizing_)
        return;
    resizing_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{resizing_};

    // An error of a widget stops the layout where it happened; it never
    // reaches the container.
    try {
        LayoutInput in;
        in.width = q->extender()->width();
        in.height = q->extender()->height();
        in.capWidth = capWidth_;
        in.runMode = runMode();
        // The list hangs below the control by making it taller: a locked
        // height would cut it off, so LockSize waits until it closes.
        in.lockSize = q->listShowing() ? ORXTX_No_Locked : lockSize_;
        in.designWidth = designWidth_;
        in.designHeight = designHeight_;
        double w = 0, h = 0;
        applySizeRules(in, w, h);
        if (w != q->extender()->width())
            q->extender()->setWidth(w);
        if (h != q->extender()->height())
            q->extender()->setHeight(h);

        in.width = q->extender()->width();
        in.height = q->extender()->height();
        in.spinButtons = spinButtons_;
        in.comboButtonVisible = comboButtonVisible_;
        in.checkBoxVisible = checkBoxVisible_;
        in.handleCurrencyChanges = handleCurrencyChanges_;
        in.listShowing = q->listShowing();
        const LayoutResult r = layoutWidgets(in);
        if (r.spin)
            place(VS_Spin, *r.spin);
        if (r.rightButton)
            place(ORX_CM_TX_INT_Right, *r.rightButton);
        if (r.checkBox)
            place(CK_Selected, *r.checkBox);
        if (r.leftButton)
            place(ORX_CM_TX_INT_Left, *r.leftButton);
        place(EF_Text, r.edit);
        place(SF_Caption, r.label);
        host::setTwipGeometry(SH_Focus, r.focus);
        if (r.designHeight)
            designHeight_ = float(*r.designHeight);
        if (r.designWidth)
            designWidth_ = float(*r.designWidth);
    } catch (const std::exception& e) {
        // The widgets keep their last places; the container never sees it.
        qCWarning(orx::lcTextBox) << "ORXTextBox: the layout failed:" << e.what();
    }
    q->update();
}

}  // namespace orx::tools
