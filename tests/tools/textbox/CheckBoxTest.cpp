// The embedded check box: save and restore of the value, blanking, the
// program's CheckBoxValue, the highlight while focused, Ctrl+Space and the
// list opened by a hand tick.
#include "tests/tools/textbox/TextBoxTestSupport.h"

#include "platform/basic/Variant.h"
#include "platform/host/Extender.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPointer>
#include <memory>
#include <QTimer>

using namespace orx;
using orx::test::TextBoxFixture;

class TextBoxCheckBox : public TextBoxFixture {
protected:
    TB* checkBox(const QString& name, bool useNull = false)
    {
        TB* tb = box(TB::ORXTX_Numeric, name);
        tb->setNullText(QStringLiteral("0"));
        tb->setUseNullValueDefault(useNull);
        tb->setCheckBoxVisible(true);
        tb->setText(QStringLiteral("15"));
        return tb;
    }
};

TEST_F(TextBoxCheckBox, UntickSavesAndTickRestores)
{
    struct Case {
        bool useNull;
        bool nullAfter;
        QString textAfter;
    } cases[] = {{false, false, "0"}, {true, true, ""}};
    int n = 0;
    for (const Case& c : cases) {
        TB* tb = checkBox(QStringLiteral("C%1").arg(++n), c.useNull);
        log.clear();
        click(tb->checkBox());
        EXPECT_FALSE(tb->CheckBoxValue());
        EXPECT_EQ(basic::isNull(tb->Text()), c.nullAfter) << c.useNull;
        EXPECT_EQ(tb->Text().toString(), c.textAfter) << c.useNull;
        EXPECT_TRUE(tb->Blanked());
        EXPECT_EQ(tb->displayLabel()->text(), "");
        EXPECT_FALSE(tb->ComboButtonEnabled());

        click(tb->checkBox());
        EXPECT_TRUE(tb->CheckBoxValue());
        EXPECT_EQ(tb->Text().toString(), "15") << c.useNull;
        EXPECT_FALSE(tb->Blanked());
        EXPECT_EQ(tb->displayLabel()->text(), "15");
        EXPECT_EQ(events({"CheckBoxClick"}), QStringList({"CheckBoxClick(0)", "CheckBoxClick(1)"}));
    }
}

TEST_F(TextBoxCheckBox, CheckBoxValueByProgram)
{
    struct Case {
        bool visible;
        bool set;
        bool want;
        QStringList events;
    } cases[] = {
        {false, false, true, {}},  // stored only while the box is shown
        {true, false, false, {"CheckBoxClick(0)"}},
        {true, true, true, {}},    // no change, no click
    };
    int n = 0;
    for (const Case& c : cases) {
        TB* tb = checkBox(QStringLiteral("P%1").arg(++n));
        tb->setCheckBoxVisible(c.visible);
        log.clear();
        tb->setCheckBoxValue(c.set);
        EXPECT_EQ(tb->CheckBoxValue(), c.want) << n;
        EXPECT_EQ(tb->checkBox()->isChecked(), c.want || !c.visible) << n;
        EXPECT_EQ(tb->Text().toString(), "15") << n << ": a program's tick neither saves nor clears";
        EXPECT_EQ(events({"CheckBoxClick"}), c.events) << n;
    }
}

TEST_F(TextBoxCheckBox, CtrlSpaceBlanksAndTheBoxIsHighlightedWhileFocused)
{
    TB* tb = checkBox(QStringLiteral("K"));
    focus(tb);
    ASSERT_TRUE(tb->editField()->hasFocus());
    key(tb->editField(), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(tb->Blanked());
    EXPECT_FALSE(tb->CheckBoxValue());
    EXPECT_EQ(tb->Text().toString(), "15") << "blanking hides the value, it does not clear it";

    const QColor back = host::resolveColor(tb->BackColor());
    const QColor highlight = host::resolveColor(host::OleColor{host::syscolor::Highlight});
    ASSERT_NE(back, highlight);
    focus(tb->checkBox());
    EXPECT_EQ(tb->checkBox()->palette().color(QPalette::Window), highlight);
    leave();
    EXPECT_EQ(tb->checkBox()->palette().color(QPalette::Window), back);
}

TEST_F(TextBoxCheckBox, HandTickOpensTheListWhenAsked)
{
    struct Case {
        bool raise;
        bool opens;
    } cases[] = {{true, true}, {false, false}};
    int n = 0;
    for (const Case& c : cases) {
        TB* tb = box(TB::ORXTX_String, QStringLiteral("L%1").arg(++n));
        tb->setComboItems(QStringLiteral("Red|Green"));
        tb->setComboButtonVisible(true);
        tb->setCheckBoxVisible(true);
        tb->setRaiseCBClickOnCKTrue(c.raise);
        tb->setCheckBoxValue(false);
        tb->setCheckBoxValue(true);  // by program: never opens
        EXPECT_FALSE(tb->listShowing());
        tb->setCheckBoxValue(false);
        // Polls until the list hangs open, then leaves it; polling stops for
        // good once the tick has been handled.
        auto stop = std::make_shared<bool>(false);
        auto opened = std::make_shared<bool>(false);
        auto tries = std::make_shared<int>(0);
        QPointer<TB> guard(tb);
        std::function<void()> poll;
        poll = [stop, opened, tries, guard, &poll] {
            if (*stop || !guard)
                return;
            if (guard->listShowing()) {
                *opened = true;
                QTest::keyClick(guard->comboListBox(), Qt::Key_Escape);
            } else if (++*tries < 50) {
                QTimer::singleShot(0, poll);
            }
        };
        QTimer::singleShot(0, poll);
        click(tb->checkBox());
        settle();
        *stop = true;
        EXPECT_TRUE(tb->CheckBoxValue()) << c.raise;
        EXPECT_EQ(*opened, c.opens) << c.raise;
        EXPECT_FALSE(tb->listShowing());
    }
}
