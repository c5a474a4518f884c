// The commit rule on random input: after the focus leaves a text box, its
// value is valid and in range for its template, or ErrorFlag is set. Seeded
// key sequences (typing, editing keys, Enter, Escape, steps, the drop-down
// list, the program assigning Text) are played as a user would, every key to
// the widget that has the focus, so that list picks, steps and a list closed
// by the focus leaving all take their real paths.
#include "tests/tools/textbox/CommitRuleCheck.h"
#include "tests/tools/textbox/TextBoxTestSupport.h"

#include <QApplication>
#include <QListWidget>
#include <QTimer>

#include <functional>
#include <random>

using namespace orx;
using orx::test::TextBoxFixture;

namespace {

struct Step {
    enum Kind { Key, Assign, FocusBox, Leave } kind = Key;
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text;

    QString describe() const
    {
        switch (kind) {
        case Assign: return QStringLiteral("Text=\"%1\"").arg(text);
        case FocusBox: return QStringLiteral("<focus box>");
        case Leave: return QStringLiteral("<leave>");
        case Key: break;
        }
        QString name = QKeySequence(int(key)).toString();
        if (modifiers & Qt::ControlModifier)
            name.prepend(QStringLiteral("Ctrl+"));
        if (modifiers & Qt::AltModifier)
            name.prepend(QStringLiteral("Alt+"));
        return name;
    }
};

struct Config {
    const char* name;
    int templ;
    bool ifErrUndo;
    const char* items;  // drop-down items, or nullptr
    int comboType;
    bool spin;
    const char* minValue;
    const char* maxValue;
    const char* start;  // a valid, in-range value the box starts from
    QStringList assigned;  // values the program may assign along the way
};

}  // namespace

class CommitRule : public TextBoxFixture {
protected:
    TB* configured(const Config& c)
    {
        TB* tb = box(c.templ, QStringLiteral("Box%1").arg(++boxes_));
        tb->setIfErrUndo(c.ifErrUndo);
        if (c.items) {
            tb->setComboItems(QString::fromLatin1(c.items));
            tb->setComboButtonVisible(true);
            tb->setComboType(TB::ORXTX_ComboType_Constants(c.comboType));
        }
        if (c.spin)
            tb->setSpinButtons(true);
        tb->setMinValue(QString::fromLatin1(c.minValue));
        tb->setMaxValue(QString::fromLatin1(c.maxValue));
        tb->setText(QString::fromLatin1(c.start));
        return tb;
    }

    std::vector<Step> randomSteps(std::mt19937& random, const Config& c)
    {
        static const Qt::Key keys[] = {
            Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_7,
            Qt::Key_8, Qt::Key_9, Qt::Key_Comma, Qt::Key_Slash, Qt::Key_Colon, Qt::Key_Percent,
            Qt::Key_Minus, Qt::Key_E, Qt::Key_Z, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Delete,
            Qt::Key_Return, Qt::Key_Escape, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab,
        };
        std::vector<Step> steps{{Step::FocusBox}};
        const int length = 6 + int(random() % 12);
        for (int i = 0; i < length; ++i) {
            const unsigned pick = random() % 100;
            Step s;
            if (pick < 8) {
                s.kind = Step::Key;
                s.key = random() % 2 ? Qt::Key_Up : Qt::Key_Down;
                s.modifiers = Qt::ControlModifier;
            } else if (pick < 12) {
                s.kind = Step::Key;
                s.key = Qt::Key_Down;
                s.modifiers = Qt::AltModifier;
            } else if (pick < 17 && !c.assigned.isEmpty()) {
                s.kind = Step::Assign;
                s.text = c.assigned.at(int(random() % c.assigned.size()));
            } else if (pick < 20) {
                s.kind = Step::FocusBox;
            } else {
                s.kind = Step::Key;
                s.key = keys[random() % std::size(keys)];
            }
            steps.push_back(s);
        }
        steps.push_back({Step::Leave});
        return steps;
    }

    // Plays the steps from the event loop. A step that waits (an open list)
    // lets the following steps run inside its wait, as a user's next keys
    // would; otherwise each step runs once the previous one has returned.
    void play(TB* tb, const std::vector<Step>& steps)
    {
        size_t next = 0;
        bool busy = false;
        bool finished = false;
        std::function<void()> run = [&] {
            const bool waiting = tb->comboListBox()->isVisible();
            if (busy && !waiting) {
                QTimer::singleShot(1, run);
                return;
            }
            if (next == steps.size()) {
                finished = true;
                return;
            }
            const Step& s = steps[next++];
            QTimer::singleShot(0, run);
            const bool outer = busy;
            busy = true;
            switch (s.kind) {
            case Step::Key: {
                QWidget* target = QApplication::focusWidget();
                QTest::keyClick(target ? target : static_cast<QWidget*>(tb), s.key, s.modifiers);
                break;
            }
            case Step::Assign: tb->setText(s.text); break;
            case Step::FocusBox:
                QApplication::setActiveWindow(tb->window());
                tb->setFocus(Qt::OtherFocusReason);
                break;
            case Step::Leave: elsewhere_->setFocus(Qt::OtherFocusReason); break;
            }
            busy = outer;
        };
        QTimer::singleShot(0, run);
        while (!finished)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        settle();
        // The last step may have run inside a list's wait: leave for good.
        if (tb->comboListBox()->isVisible() || QApplication::focusWidget() != elsewhere_) {
            elsewhere_->setFocus(Qt::OtherFocusReason);
            settle();
        }
    }

    void check(const Config& c, unsigned seed, int sequences)
    {
        std::mt19937 random(seed);
        TB* tb = configured(c);
        for (int n = 0; n < sequences; ++n) {
            const std::vector<Step> steps = randomSteps(random, c);
            // Each sequence starts from a committed value, as a form would.
            tb->setErrorFlag(false);
            tb->setText(QString::fromLatin1(c.start));
            play(tb, steps);
            QString why;
            if (!test::commitIsSound(tb, &why)) {
                QStringList told;
                for (const Step& s : steps)
                    told << s.describe();
                ADD_FAILURE() << c.name << " sequence " << n << ": " << told.join(QLatin1Char(' ')).toStdString()
                              << "\n    " << why.toStdString();
                return;
            }
        }
    }

    int boxes_ = 0;
};

TEST_F(CommitRule, RandomSequencesLeaveAValidValueOrTheErrorFlag)
{
    const QStringList times{QStringLiteral("02,"), QStringLiteral("12:30"), QStringLiteral("25:61"), QString(),
                            QStringLiteral("0930")};
    const QStringList dates{QStringLiteral("311203"), QStringLiteral("31/02/2003"), QStringLiteral("x"),
                            QString()};
    const QStringList numbers{QStringLiteral("5"), QStringLiteral("50"), QStringLiteral("abc"), QStringLiteral("12345")};
    const Config configs[] = {
        {"time, undo", TB::ORXTX_Hour_Minute_Seconds, true, nullptr, 0, false, "", "", "10:00:00", times},
        {"time, no undo", TB::ORXTX_Hour_Minute_Seconds, false, nullptr, 0, true, "", "", "10:00:00", times},
        {"date with a list of bad items", TB::ORXTX_Day_Month_Year, true, "12:30|25:61", TB::ORXTX_Combo_Type, false,
         "", "", "01/01/2005", dates},
        {"date, pick-only list", TB::ORXTX_Day_Month_Year, true, "25:61|01/02/2003|12:30", TB::ORXTX_List_Type,
         false, "", "", "01/01/2005", dates},
        {"year-month with spin", TB::ORXTX_Year_Month, true, nullptr, 0, true, "", "", "2005/01", {}},
        {"percent with spin", TB::ORXTX_Percent, true, nullptr, 0, true, "", "", "5%", numbers},
        {"month-day in limits, no undo", TB::ORXTX_Month_Day, false, nullptr, 0, false, "03/01", "09/30", "06/15",
         {}},
        {"numeric in limits", TB::ORXTX_Numeric, true, "5|50|abc", TB::ORXTX_Combo_Type, true, "10", "99,99", "50",
         numbers},
    };
    // ORX_COMMIT_RULE_SEQUENCES asks for a deeper run than the 40 a test run plays.
    const int sequences = qEnvironmentVariableIsSet("ORX_COMMIT_RULE_SEQUENCES")
                              ? qEnvironmentVariableIntValue("ORX_COMMIT_RULE_SEQUENCES")
                              : 40;
    unsigned seed = 20101;
    for (const Config& c : configs)
        check(c, seed++, sequences);
}
