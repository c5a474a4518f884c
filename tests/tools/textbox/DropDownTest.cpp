// The drop-down list driven as a user does: opened by a click on the button
// or Alt+Down, then, inside its modal wait, picked by mouse or keys, left
// with Escape or by moving the focus away.
#include "tests/tools/textbox/TextBoxTestSupport.h"

#include "platform/host/Extender.h"
#include "platform/host/Twips.h"
#include "tools/button/ORXCommandButton.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <functional>

using namespace orx;
using orx::test::TextBoxFixture;

class TextBoxDropDown : public TextBoxFixture {
protected:
    TB* listBox(const QString& name, const QString& text = QStringLiteral("Green"))
    {
        TB* tb = box(TB::ORXTX_String, name);
        tb->setComboItems(QStringLiteral("Red|Green|Blue"));
        tb->setComboItemKeys(QStringLiteral("R|G|B"));
        tb->setComboButtonVisible(true);
        tb->setText(text);
        QObject::connect(tb, &TB::ComboButtonClick, [this] { log << "ComboButtonClick"; });
        QObject::connect(tb, &TB::ComboSelected, [this, tb](const QVariant& item, const QVariant& key, int index) {
            // The list still hangs open while the pick is announced.
            log << QStringLiteral("ComboSelected(%1,%2,%3)%4")
                       .arg(item.toString(), key.toString())
                       .arg(index)
                       .arg(tb->extender()->height() > 375 ? " open" : "");
        });
        QObject::connect(tb, &TB::Change, [this, tb] { changes << tb->Text().toString(); });
        return tb;
    }

    void clickRow(TB* tb, int row)
    {
        QListWidget* list = tb->comboListBox();
        click(list->viewport(), list->visualItemRect(list->item(row)).center());
    }

    QStringList changes;
};

TEST_F(TextBoxDropDown, PickedByMouseKeysOrLeft)
{
    enum Way { Mouse, Keys, Escape, FocusLoss, KeysAfterAltDown };
    struct Case {
        const char* name;
        Way way;
        QString text;
        QStringList events;
    } cases[] = {
        {"mouse", Mouse, "Blue", {"ComboButtonClick", "ComboSelected(Blue,B,3) open"}},
        {"keys", Keys, "Blue", {"ComboButtonClick", "ComboSelected(Blue,B,3) open"}},
        {"escape", Escape, "Green", {"ComboButtonClick"}},
        {"focus loss", FocusLoss, "Green", {"ComboButtonClick"}},
        {"Alt+Down, keys", KeysAfterAltDown, "Blue", {"ComboButtonClick", "ComboSelected(Blue,B,3) open"}},
    };
    int n = 0;
    for (const Case& c : cases) {
        TB* tb = listBox(QStringLiteral("List%1").arg(++n));
        log.clear();
        const double height = tb->extender()->height();
        auto open = [&] {
            if (c.way == KeysAfterAltDown) {
                focus(tb);
                key(tb->editField(), Qt::Key_Down, Qt::AltModifier);
            } else {
                click(tb->dropDownButton());
            }
        };
        withOpenList(tb, open, [&] {
            QListWidget* list = tb->comboListBox();
            EXPECT_TRUE(tb->listShowing()) << c.name;
            EXPECT_EQ(list->currentRow(), 1) << c.name << ": the current value is selected";
            EXPECT_EQ(list->count(), 3);
            EXPECT_TRUE(list->hasFocus()) << c.name;
            switch (c.way) {
            case Mouse: clickRow(tb, 2); break;
            case Keys:
            case KeysAfterAltDown:
                key(list, Qt::Key_Down);
                key(list, Qt::Key_Return);
                break;
            case Escape: key(list, Qt::Key_Escape); break;
            case FocusLoss: focus(elsewhere_); break;
            }
        });
        EXPECT_EQ(tb->Text().toString(), c.text) << c.name;
        EXPECT_EQ(events({"ComboButtonClick", "ComboSelected"}), c.events) << c.name;
        EXPECT_EQ(tb->extender()->height(), height) << c.name << ": the height comes back";
        EXPECT_FALSE(tb->listShowing()) << c.name;
        EXPECT_EQ(tb->ComboIndex(), c.text == "Blue" ? 3 : 0) << c.name;
    }
}

TEST_F(TextBoxDropDown, ListGeometryFollowsComboRows)
{
    struct Case {
        float comboRows;
        double rows;
    } cases[] = {{0, 5}, {-2, 5}, {3, 4}, {1, 2}};
    int n = 0;
    for (const Case& c : cases) {
        TB* tb = listBox(QStringLiteral("Rows%1").arg(++n));
        tb->setComboRows(c.comboRows);
        const double height = tb->extender()->height();
        withOpenList(tb, [&] { click(tb->dropDownButton()); },
                     [&] {
                         QListWidget* list = tb->comboListBox();
                         const double row = host::twipsFromPixelsY(list->sizeHintForRow(0));
                         const host::TwipRect r = host::twipGeometry(list);
                         EXPECT_EQ(r, (host::TwipRect{0, height, tb->extender()->width(), c.rows * row}))
                             << c.comboRows;
                         EXPECT_EQ(tb->extender()->height(), height + c.rows * row) << c.comboRows;
                         // The pointer over a row selects it.
                         const QPointF at = list->visualItemRect(list->item(2)).center();
                         QMouseEvent move(QEvent::MouseMove, at, list->viewport()->mapToGlobal(at), Qt::NoButton,
                                          Qt::NoButton, Qt::NoModifier);
                         QApplication::sendEvent(list->viewport(), &move);
                         settle();
                         EXPECT_EQ(list->currentRow(), 2) << c.comboRows;
                         key(list, Qt::Key_Escape);
                     });
        EXPECT_EQ(tb->extender()->height(), height);
    }
}

TEST_F(TextBoxDropDown, EmptyListOnlyRaisesTheClick)
{
    TB* tb = listBox(QStringLiteral("Empty"), QString());
    tb->ComboClear();
    log.clear();
    // Should the list open after all, the test closes it instead of hanging.
    QPointer<TB> guard(tb);
    QTimer::singleShot(0, [guard] {
        if (guard && guard->listShowing())
            QTest::keyClick(guard->comboListBox(), Qt::Key_Escape);
    });
    click(tb->dropDownButton());
    EXPECT_EQ(events({"ComboButtonClick", "ComboSelected"}), QStringList({"ComboButtonClick"}));
    EXPECT_FALSE(tb->listShowing());
}

TEST_F(TextBoxDropDown, ComboIndexKeyAndType)
{
    struct Case {
        int index;
        QString text;
        QStringList events;
    } cases[] = {
        {2, "Green", {}},
        {-2, "Green", {"ComboSelected(Green,G,2)"}},
        {-3, "Blue", {"ComboSelected(Blue,B,3)"}},
        {1, "Red", {}},
    };
    TB* tb = listBox(QStringLiteral("Index"), QString());
    for (const Case& c : cases) {
        log.clear();
        tb->setComboIndex(c.index);
        EXPECT_EQ(tb->ComboIndex(), std::abs(c.index)) << c.index;
        EXPECT_EQ(tb->Text().toString(), c.text) << c.index;
        EXPECT_EQ(events({"ComboSelected"}), c.events) << c.index;
    }
    tb->setComboKey(QStringLiteral("B"));
    EXPECT_EQ(tb->ComboIndex(), 3);
    EXPECT_EQ(tb->Text().toString(), "Blue");
    EXPECT_EQ(tb->ComboKey().toString(), "B");

    tb->setComboType(TB::ORXTX_List_Type);
    EXPECT_EQ(tb->Text().toString(), "Red");
    EXPECT_TRUE(tb->ShowFocusRect());
    TB* empty = box(TB::ORXTX_String, QStringLiteral("NoItems"));
    empty->setText(QStringLiteral("x"));
    empty->setComboType(TB::ORXTX_List_Type);
    EXPECT_EQ(empty->Text().toString(), "");
}

TEST_F(TextBoxDropDown, PickOnlyListOpensFromTheLabelAndStepsWithKeys)
{
    TB* tb = listBox(QStringLiteral("Pick"));
    tb->setComboType(TB::ORXTX_List_Type);
    focus(tb);
    EXPECT_FALSE(tb->editField()->isVisible()) << "a pick-only list never edits";

    struct Step {
        Qt::Key key;
        QString text;
    } steps[] = {{Qt::Key_Up, "Green"}, {Qt::Key_Up, "Blue"}, {Qt::Key_Up, "Blue"},
                 {Qt::Key_Down, "Green"}, {Qt::Key_Down, "Red"}, {Qt::Key_Down, "Red"}};
    for (const Step& s : steps) {
        key(tb, s.key, Qt::ControlModifier);
        EXPECT_EQ(tb->Text().toString(), s.text);
    }

    log.clear();
    withOpenList(tb, [&] { click(tb->displayLabel()); },
                 [&] {
                     EXPECT_TRUE(tb->listShowing());
                     clickRow(tb, 1);
                 });
    EXPECT_EQ(tb->Text().toString(), "Green");
    EXPECT_EQ(events({"ComboSelected"}), QStringList({"ComboSelected(Green,G,2) open"}));
    EXPECT_FALSE(tb->editField()->isVisible());

    // A second press on the label closes the open list without a pick, and
    // the list stays closed.
    log.clear();
    withOpenList(tb, [&] { click(tb->displayLabel()); }, [&] { click(tb->displayLabel()); });
    settle();
    EXPECT_FALSE(tb->listShowing());
    EXPECT_EQ(tb->Text().toString(), "Green");
    EXPECT_TRUE(events({"ComboSelected"}).isEmpty());
}

TEST_F(TextBoxDropDown, OneListOpenAtATime)
{
    TB* first = listBox(QStringLiteral("First"), QStringLiteral("Red"));
    TB* second = listBox(QStringLiteral("Second"), QStringLiteral("Red"));
    second->extender()->setTop(4000);  // clear of the first one's open list
    withOpenList(first, [&] { click(first->dropDownButton()); },
                 [&] {
                     // Opening the second list takes the focus from the first,
                     // which closes; the pick is the second one's alone.
                     withOpenList(second, [&] { click(second->dropDownButton()); },
                                  [&] {
                                      EXPECT_FALSE(first->listShowing());
                                      EXPECT_TRUE(second->listShowing());
                                      clickRow(second, 2);
                                  });
                 });
    EXPECT_EQ(first->Text().toString(), "Red");
    EXPECT_EQ(second->Text().toString(), "Blue");
    EXPECT_EQ(first->extender()->height(), 375);
    EXPECT_EQ(second->extender()->height(), 375);
}

// Enter and Escape in an open list pick and close it; they never reach the
// form's default or cancel button on their way.
TEST_F(TextBoxDropDown, ListKeysDoNotPressTheFormsButtons)
{
    auto* ok = place<tools::ORXCommandButton>(QStringLiteral("OK"), host::TwipRect{3000, 120, 1200, 420});
    ok->setDefault(true);
    auto* cancel = place<tools::ORXCommandButton>(QStringLiteral("Cancel"), host::TwipRect{3000, 720, 1200, 420});
    cancel->setCancel(true);
    QStringList clicks;
    QObject::connect(ok, &tools::ORXCommandButton::Click, [&] { clicks << "OK"; });
    QObject::connect(cancel, &tools::ORXCommandButton::Click, [&] { clicks << "Cancel"; });
    struct Case {
        Qt::Key key;
        const char* text;
    } cases[] = {{Qt::Key_Return, "Blue"}, {Qt::Key_Enter, "Blue"}, {Qt::Key_Escape, "Green"}};
    int n = 0;
    for (const Case& c : cases) {
        TB* tb = listBox(QStringLiteral("Keys%1").arg(++n));
        withOpenList(tb, [&] { click(tb->dropDownButton()); }, [&] {
            QListWidget* list = tb->comboListBox();
            key(list, Qt::Key_Down);
            key(list, c.key);
        });
        EXPECT_EQ(tb->Text().toString(), QString::fromLatin1(c.text)) << c.key;
        EXPECT_FALSE(tb->listShowing()) << c.key;
        EXPECT_TRUE(clicks.isEmpty()) << c.key << ": " << clicks.join(QLatin1Char(',')).toStdString();
    }
    // Closed, the list leaves Enter to the default button.
    focus(elsewhere_);
    key(elsewhere_, Qt::Key_Return);
    EXPECT_EQ(clicks, QStringList{"OK"});
}
