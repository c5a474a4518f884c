// The form host: property bags, form files, extender, ambient properties,
// change notices, the focus rule, design-time selection and message boxes.
#include "tests/platform/host/ProbeControl.h"
#include "tests/support/HostFixture.h"
#include "tests/support/TestSupport.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Currency.h"
#include "platform/basic/Variant.h"
#include "platform/host/Extender.h"
#include "platform/host/Twips.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTimer>
#include <optional>
#include <sys/stat.h>

using namespace orx;
using host::OleColor;
using host::PropertyBag;
using host::StdFont;
using test::ProbeControl;

namespace {

QImage smallPicture()
{
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(Qt::red);
    image.setPixelColor(1, 1, Qt::blue);
    return image;
}

}  // namespace

TEST(PropertyBagTest, ValuesEqualToTheirDefaultAreNotWritten)
{
    StdFont bold;
    bold.setBold(true);
    struct Case {
        const char* what;
        QVariant value;
        QVariant defaultValue;
        bool written;
    };
    const Case cases[] = {
        {"same string", QStringLiteral("abc"), QStringLiteral("abc"), false},
        {"string differs in case", QStringLiteral("ABC"), QStringLiteral("abc"), true},
        {"true against the 16-bit true", true, -1, false},
        {"false against 0", false, 0, false},
        {"integer against equal double", 4, 4.0, false},
        {"single against different double", 4.5f, 4.0, true},
        {"colour equal", QVariant::fromValue(OleColor{0x8000000F}), QVariant::fromValue(OleColor{0x8000000F}), false},
        {"colour against its number", QVariant::fromValue(OleColor{255}), 255, false},
        {"font equal", QVariant::fromValue(StdFont()), QVariant::fromValue(StdFont()), false},
        {"font differs in weight", QVariant::fromValue(bold), QVariant::fromValue(StdFont()), true},
        {"no picture", QImage(), QImage(), false},
        {"a picture", smallPicture(), QImage(), true},
        {"null against empty", basic::nullVariant(), QVariant(), true},
        {"empty against empty", QVariant(), QVariant(), false},
        {"empty string against empty", QString(), QVariant(), true},
    };
    for (const Case& c : cases) {
        PropertyBag bag;
        bag.setValue(QStringLiteral("Key"), QStringLiteral("earlier"));
        bag.WriteProperty(QStringLiteral("key"), c.value, c.defaultValue);
        EXPECT_EQ(bag.contains(QStringLiteral("KEY")), c.written) << c.what;
        if (c.written) {
            EXPECT_TRUE(host::samePropertyValue(bag.value(QStringLiteral("Key")), c.value)) << c.what;
        }
    }
}

TEST(PropertyBagTest, ReadConvertsToTheDefaultsTypeOrNamesTheKey)
{
    PropertyBag bag(QStringLiteral("form file f.json: control Text1"));
    bag.setValue(QStringLiteral("Count"), 7.0);
    bag.setValue(QStringLiteral("Flag"), QStringLiteral("True"));
    bag.setValue(QStringLiteral("Colour"), 2147483663.0);
    bag.setValue(QStringLiteral("Caption"), 12);
    bag.setValue(QStringLiteral("Bad"), QStringLiteral("twelve"));

    EXPECT_EQ(bag.ReadProperty(QStringLiteral("count"), 0).typeId(), QMetaType::Int);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("count"), 0).toInt(), 7);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Flag"), false), QVariant(true));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Colour"), QVariant::fromValue(OleColor{})).value<OleColor>().value,
              0x8000000Fu);
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Caption"), QString()), QVariant(QStringLiteral("12")));
    EXPECT_EQ(bag.ReadProperty(QStringLiteral("Missing"), 42), QVariant(42));
    try {
        bag.ReadProperty(QStringLiteral("Bad"), 0);
        ADD_FAILURE() << "a text read as a number must fail";
    } catch (const basic::BasicError& e) {
        EXPECT_EQ(e.number(), basic::err::TypeMismatch);
        EXPECT_TRUE(e.description().contains(QStringLiteral("f.json"))) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(QStringLiteral("Text1")));
        EXPECT_TRUE(e.description().contains(QStringLiteral("\"Bad\"")));
    }
}

TEST(PropertyBagTest, JsonKeepsEveryTypedValue)
{
    StdFont font;
    font.name = QStringLiteral("Liberation Serif");
    font.size = 12.5;
    font.italic = font.underline = font.strikethrough = true;
    font.weight = 700;
    font.charset = 161;
    PropertyBag bag;
    const QList<std::pair<QString, QVariant>> values = {
        {QStringLiteral("S"), QStringLiteral("text with \"quotes\" and \\")},
        {QStringLiteral("N"), 1234.5},
        {QStringLiteral("I"), -7},
        {QStringLiteral("B"), false},
        {QStringLiteral("C"), QVariant::fromValue(OleColor{0x80000012})},
        {QStringLiteral("F"), QVariant::fromValue(font)},
        {QStringLiteral("P"), smallPicture()},
        {QStringLiteral("Z"), basic::nullVariant()},
        {QStringLiteral("D"), QVariant(basic::wallClock(QDate(2003, 12, 31), QTime(13, 45, 10)))},
        {QStringLiteral("Y"), QVariant::fromValue(basic::Currency::fromRaw(-12345678901234))},
    };
    for (const auto& [k, v] : values)
        bag.setValue(k, v);
    const PropertyBag back = PropertyBag::fromJson(bag.toJson(), QStringLiteral("test"));
    for (const auto& [k, v] : values) {
        EXPECT_TRUE(host::samePropertyValue(back.value(k), v)) << k.toStdString();
        EXPECT_EQ(back.value(k).metaType() == v.metaType() || v.typeId() == QMetaType::Double, true) << k.toStdString();
    }
}

class HostTest : public test::HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        test::probeLibrary();
    }

    ProbeControl* addProbe(const QString& name, const host::TwipRect& rect = {120, 240, 2400, 375},
                           const QString& container = QString())
    {
        return qobject_cast<ProbeControl*>(
            form().addControl(QStringLiteral("ORX_Test.ProbeControl"), name, rect, container));
    }
};

TEST_F(HostTest, NewControlGetsExtenderThenInitPropertiesAndTwipsReadBack)
{
    ProbeControl* probe = addProbe(QStringLiteral("Probe1"), {1234, 567, 2401, 377});
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->caption, QStringLiteral("Probe1")) << "the extender's name is set before InitProperties";
    EXPECT_TRUE(probe->calls.contains(QStringLiteral("InitProperties")));
    EXPECT_FALSE(probe->calls.contains(QStringLiteral("ReadProperties")));
    const host::Extender* ext = probe->extender();
    EXPECT_EQ(ext->left(), 1234);
    EXPECT_EQ(ext->width(), 2401);
    EXPECT_EQ(probe->geometry(), host::toPixels({1234, 567, 2401, 377}));
    EXPECT_EQ(host::twipGeometry(probe).height, 377) << "twips read back as given, not through pixels";
    EXPECT_EQ(ext->containerKind(), QStringLiteral("Form"));
    EXPECT_EQ(form().progIdOf(probe), QStringLiteral("ORX_Test.ProbeControl"));

    form().addContainer(QStringLiteral("PictureBox"), QStringLiteral("Picture1"), {3000, 0, 3000, 2000});
    ProbeControl* inner = addProbe(QStringLiteral("Probe2"), {0, 0, 1000, 300}, QStringLiteral("Picture1"));
    EXPECT_EQ(inner->extender()->containerKind(), QStringLiteral("PictureBox"));
    EXPECT_THROW(form().addControl(QStringLiteral("ORX_Test.NoSuchControl"), QStringLiteral("X"), {}),
                 basic::BasicError);
}

TEST_F(HostTest, AmbientChangesAndChangeNoticesReachTheirTargets)
{
    ProbeControl* probe = addProbe(QStringLiteral("Probe1"));
    form().setModified(false);
    probe->calls.clear();
    form().setUserMode(false);
    form().setAmbientBackColor(OleColor{0x00FF0000});
    EXPECT_EQ(probe->calls, (QStringList{QStringLiteral("AmbientChanged:UserMode"), QStringLiteral("AmbientChanged:BackColor")}));
    EXPECT_FALSE(probe->ambientUserMode());
    EXPECT_EQ(probe->ambientBackColor().value, 0x00FF0000u);
    probe->calls.clear();
    probe->extender()->setName(QStringLiteral("Renamed"));
    EXPECT_EQ(probe->calls, QStringList{QStringLiteral("AmbientChanged:DisplayName")});
    EXPECT_EQ(probe->ambientDisplayName(), QStringLiteral("Renamed"));

    EXPECT_FALSE(form().isModified());
    probe->PropertyChanged(QStringLiteral("Caption"));
    EXPECT_TRUE(form().isModified());

    EXPECT_TRUE(probe->CanPropertyChange(QStringLiteral("Text")));
    form().propertyChangePolicy = [](host::UserControl*, const QString& name) { return name != QLatin1String("Text"); };
    EXPECT_FALSE(probe->CanPropertyChange(QStringLiteral("Text")));
    EXPECT_TRUE(probe->CanPropertyChange(QStringLiteral("Caption")));
}

TEST_F(HostTest, OneDefaultAndOneCancelPerForm)
{
    ProbeControl* a = addProbe(QStringLiteral("A"));
    ProbeControl* b = addProbe(QStringLiteral("B"));
    a->extender()->setDefault(true);
    EXPECT_TRUE(a->ambientDisplayAsDefault());
    b->extender()->set(QStringLiteral("default"), true);
    EXPECT_FALSE(a->extender()->isDefault());
    EXPECT_TRUE(b->ambientDisplayAsDefault());
    EXPECT_FALSE(a->ambientDisplayAsDefault());
    a->extender()->setCancel(true);
    b->extender()->setCancel(true);
    EXPECT_FALSE(a->extender()->isCancel());
    EXPECT_TRUE(b->extender()->get(QStringLiteral("CANCEL")).toBool());
}

TEST_F(HostTest, FocusEntersAndLeavesControlsAsAWhole)
{
    ProbeControl* a = addProbe(QStringLiteral("A"));
    ProbeControl* b = addProbe(QStringLiteral("B"), {120, 900, 2400, 375});
    a->calls.clear();
    b->calls.clear();
    focus(a->edit);
    focus(b->edit);
    EXPECT_EQ(a->calls, (QStringList{QStringLiteral("EnterFocus"), QStringLiteral("ExitFocus")}));
    EXPECT_EQ(b->calls, (QStringList{QStringLiteral("EnterFocus")}));
}

TEST_F(HostTest, FocusRuleChecksVisibleThenYieldsThenEnabled)
{
    ProbeControl* a = addProbe(QStringLiteral("A"));
    ProbeControl* b = addProbe(QStringLiteral("B"), {120, 900, 2400, 375});
    focus(a->edit);

    b->edit->hide();
    EXPECT_FALSE(host::giveFocus(b->edit));
    b->edit->show();
    settle();

    // Pending events run before the enabled test: a disable queued now wins.
    QTimer::singleShot(0, b->edit, [&] { b->edit->setEnabled(false); });
    EXPECT_FALSE(host::giveFocus(b->edit));
    EXPECT_TRUE(a->edit->hasFocus());

    b->edit->setEnabled(true);
    EXPECT_TRUE(host::giveFocus(b->edit));
    settle();
    EXPECT_TRUE(b->edit->hasFocus());

    // A widget destroyed while the host yields is not touched.
    auto* doomed = new QLineEdit(&form());
    doomed->show();
    QTimer::singleShot(0, doomed, [doomed] { delete doomed; });
    EXPECT_FALSE(host::giveFocus(doomed));
}

TEST_F(HostTest, DesignModeClickSelectsInsteadOfOperating)
{
    ProbeControl* a = addProbe(QStringLiteral("A"));
    ProbeControl* b = addProbe(QStringLiteral("B"), {120, 900, 2400, 375});
    form().setUserMode(false);
    click(a->edit);
    EXPECT_EQ(form().selectedControls(), (QList<host::UserControl*>{a}));
    EXPECT_FALSE(a->edit->hasFocus()) << "the click does not reach the control while designing";
    click(b->edit, QPoint(), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(form().selectedControls(), (QList<host::UserControl*>{a, b}));
    form().setUserMode(true);
    EXPECT_TRUE(form().selectedControls().isEmpty());
    type(a->edit, QStringLiteral("run"));
    EXPECT_EQ(a->edit->text(), QStringLiteral("run"));
}

TEST_F(HostTest, FormFileRoundTrip)
{
    ProbeControl* a = addProbe(QStringLiteral("Alpha"), {120, 240, 2400, 375});
    a->caption = QStringLiteral("Totale €");
    a->count = 42;
    a->ratio = 0.125;
    a->flag = false;
    a->color = OleColor{0x00336699};
    a->font.name = QStringLiteral("Liberation Mono");
    a->font.setBold(true);
    a->font.charset = 238;
    a->picture = smallPicture();
    a->value = basic::nullVariant();
    a->extender()->setToolTipText(QStringLiteral("tip"));
    a->extender()->setTag(QStringLiteral("tag"));
    a->extender()->setDataField(QStringLiteral("Amount"));
    a->extender()->setDataSource(QStringLiteral("Orders(12)"));
    a->extender()->setTabStop(false);
    form().addContainer(QStringLiteral("PictureBox"), QStringLiteral("Picture1"), {3000, 0, 3000, 2000});
    ProbeControl* b = addProbe(QStringLiteral("Beta"), {15, 30, 1500, 600}, QStringLiteral("Picture1"));
    b->extender()->setDefault(true);
    const QString path = test::freshFolder(QStringLiteral("forms")) + QStringLiteral("/order.json");
    form().save(path);
    EXPECT_FALSE(form().isModified());

    host::Form loaded;
    loaded.load(path);
    ASSERT_EQ(loaded.controls().size(), 2);
    auto* la = qobject_cast<ProbeControl*>(loaded.control(QStringLiteral("alpha")));
    auto* lb = qobject_cast<ProbeControl*>(loaded.control(QStringLiteral("Beta")));
    ASSERT_TRUE(la && lb);
    EXPECT_EQ(la->calls.mid(0, 1), QStringList{QStringLiteral("ReadProperties")}) << "loading never runs InitProperties";
    EXPECT_EQ(la->caption, a->caption);
    EXPECT_EQ(la->count, 42);
    EXPECT_EQ(la->ratio, 0.125);
    EXPECT_FALSE(la->flag);
    EXPECT_EQ(la->color, a->color);
    EXPECT_EQ(la->font, a->font);
    EXPECT_EQ(la->picture, a->picture);
    EXPECT_TRUE(basic::isNull(la->value));
    EXPECT_EQ(la->extender()->toolTipText(), QStringLiteral("tip"));
    EXPECT_EQ(la->extender()->dataSource(), QStringLiteral("Orders(12)"));
    EXPECT_FALSE(la->extender()->tabStop());
    EXPECT_EQ(host::twipGeometry(la).left, 120);
    EXPECT_EQ(lb->extender()->containerKind(), QStringLiteral("PictureBox"));
    EXPECT_TRUE(lb->extender()->isDefault());
    EXPECT_EQ(lb->extender()->height(), 600);

    // Values equal to their defaults are not in the file.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    const QJsonObject betaProps = root[QStringLiteral("controls")].toArray()[1].toObject()[QStringLiteral("properties")].toObject();
    EXPECT_FALSE(betaProps.contains(QStringLiteral("Count")));
    EXPECT_TRUE(betaProps.contains(QStringLiteral("Caption")));
}

TEST_F(HostTest, MalformedFormFilesGiveClearErrorsAndNeverACrash)
{
    ProbeControl* a = addProbe(QStringLiteral("Alpha"));
    a->count = 3;
    const QString folder = test::freshFolder(QStringLiteral("bad-forms"));
    const QString good = folder + QStringLiteral("/good.json");
    form().save(good);
    QFile in(good);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray text = in.readAll();

    struct Case {
        const char* what;
        QByteArray content;
        QStringList mentions;
    };
    auto replaced = [&](const char* from, const char* to) { return QByteArray(text).replace(from, to); };
    const Case cases[] = {
        {"truncated", text.left(text.size() / 2), {}},
        {"empty", QByteArray(), {}},
        {"binary", QByteArray("\x00\xff\x10{", 4), {}},
        {"not a form", "{\"format\": \"something else\", \"version\": 1, \"controls\": []}", {}},
        {"controls not a list", "{\"format\": \"ORX form\", \"version\": 1, \"controls\": {}}", {}},
        {"unknown class", replaced("ORX_Test.ProbeControl", "ORX_Test.Gone"), {QStringLiteral("Alpha"), QStringLiteral("ORX_Test.Gone")}},
        {"extender of the wrong type", replaced("\"Left\": 120", "\"Left\": \"far\""), {QStringLiteral("Alpha"), QStringLiteral("Left")}},
        {"property of the wrong type", replaced("\"Count\": 3", "\"Count\": \"three\""), {QStringLiteral("Alpha"), QStringLiteral("Count")}},
        {"unreadable picture", replaced("\"Count\": 3", "\"Picture\": {\"type\": \"picture\", \"png\": \"@@@\"}"), {QStringLiteral("Alpha"), QStringLiteral("Picture")}},
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString path = folder + QStringLiteral("/bad%1.json").arg(++n);
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(c.content);
        out.close();
        host::Form target;
        test::probeLibrary();
        try {
            target.load(path);
            ADD_FAILURE() << c.what << ": loaded without an error";
        } catch (const basic::BasicError& e) {
            const QString d = e.description();
            EXPECT_TRUE(d.contains(path)) << c.what << ": " << d.toStdString();
            for (const QString& m : c.mentions)
                EXPECT_TRUE(d.contains(m)) << c.what << ": " << d.toStdString() << " lacks " << m.toStdString();
        }
        EXPECT_TRUE(target.controls().isEmpty()) << c.what;
    }
    host::Form target;
    EXPECT_THROW(target.load(folder + QStringLiteral("/missing.json")), basic::BasicError);
}

TEST_F(HostTest, AFailedLoadKeepsTheFormAsItWas)
{
    // A good file with a control on the form and one in a container; each
    // case breaks it at a different stage of the load.
    ProbeControl* alpha = addProbe(QStringLiteral("Alpha"));
    alpha->count = 3;
    form().addContainer(QStringLiteral("PictureBox"), QStringLiteral("Picture1"), {3000, 0, 3000, 2000});
    addProbe(QStringLiteral("Beta"), {15, 30, 1500, 600}, QStringLiteral("Picture1"))->count = 4;
    const QString folder = test::freshFolder(QStringLiteral("failed-loads"));
    const QString good = folder + QStringLiteral("/good.json");
    form().save(good);
    QFile in(good);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray text = in.readAll();
    const auto replaced = [&](const char* from, const char* to) {
        EXPECT_TRUE(text.contains(from)) << from;
        return QByteArray(text).replace(from, to);
    };
    const QString pipe = folder + QStringLiteral("/pipe.json");
    // A pipe nobody writes to: a plain read of it never ends.
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    // The form the loads must leave alone.
    form().clear();
    host::ContainerBox* keeper = form().addContainer(QStringLiteral("Frame"), QStringLiteral("Keeper"), {0, 0, 2000, 2000});
    ProbeControl* kept = addProbe(QStringLiteral("Kept"), {60, 60, 1200, 300}, QStringLiteral("Keeper"));
    kept->count = 7;
    ProbeControl* top = addProbe(QStringLiteral("Top"));
    form().setAmbientBackColor(OleColor{0x00112233});
    form().resize(form().size() + QSize(50, 40));
    form().select(top);
    form().setModified(true);
    const QSize size = form().size();
    const StdFont font = form().ambientFont();

    struct Case {
        const char* what;
        std::optional<QByteArray> content;  // nothing: the path is used as it is
        QString path;
        int number;
    };
    const Case cases[] = {
        {"missing file", std::nullopt, folder + QStringLiteral("/missing.json"), basic::err::FileNotFound},
        {"a folder", std::nullopt, folder, basic::err::PathFileAccessError},
        {"a pipe", std::nullopt, pipe, basic::err::PathFileAccessError},
        {"not JSON", text.left(text.size() / 2), {}, basic::err::ErrorLoadingFromFile},
        {"unknown class", replaced("ORX_Test.ProbeControl", "ORX_Test.Gone"), {}, basic::err::ErrorLoadingFromFile},
        {"no such container", replaced("\"container\": \"Picture1\"", "\"container\": \"Nowhere\""), {},
         basic::err::ErrorLoadingFromFile},
        {"first control refuses its properties", replaced("\"Count\": 3", "\"Count\": \"three\""), {},
         basic::err::TypeMismatch},
        {"second control refuses its properties after the first was made",
         replaced("\"Count\": 4", "\"Count\": \"four\""), {}, basic::err::TypeMismatch},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QString path = c.path;
        if (c.content) {
            path = folder + QStringLiteral("/bad%1.json").arg(++n);
            QFile out(path);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(*c.content);
        }
        try {
            form().load(path);
            ADD_FAILURE() << "loaded without an error";
        } catch (const basic::BasicError& e) {
            EXPECT_EQ(e.number(), c.number) << e.description().toStdString();
            EXPECT_TRUE(e.description().contains(path)) << e.description().toStdString();
        }
        settle();
        EXPECT_EQ(form().controls(), (QList<host::UserControl*>{kept, top}));
        EXPECT_EQ(form().containers(), QList<host::ContainerBox*>{keeper});
        EXPECT_EQ(kept->parentWidget(), keeper);
        EXPECT_EQ(kept->count, 7);
        EXPECT_EQ(form().control(QStringLiteral("Alpha")), nullptr);
        EXPECT_EQ(form().selectedControls(), QList<host::UserControl*>{top});
        EXPECT_EQ(form().ambientBackColor(), OleColor{0x00112233});
        EXPECT_EQ(form().ambientFont(), font);
        EXPECT_EQ(form().size(), size);
        EXPECT_TRUE(form().isModified());
        EXPECT_TRUE(kept->isVisible() && top->isVisible() && keeper->isVisible());
    }

    // The same file whole replaces the form.
    form().load(good);
    ASSERT_EQ(form().controls().size(), 2);
    EXPECT_EQ(form().control(QStringLiteral("Kept")), nullptr);
    EXPECT_EQ(form().containerNamed(QStringLiteral("Keeper")), nullptr);
    EXPECT_EQ(qobject_cast<ProbeControl*>(form().control(QStringLiteral("Alpha")))->count, 3);
    EXPECT_FALSE(form().isModified());
}

TEST_F(HostTest, FailedSaveKeepsThePreviousFile)
{
    ProbeControl* a = addProbe(QStringLiteral("Alpha"));
    a->count = 1;
    const QString folder = test::freshFolder(QStringLiteral("save"));
    const QString path = folder + QStringLiteral("/form.json");
    form().save(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();

    a->count = 2;
    a->failOnWrite = true;
    EXPECT_THROW(form().save(path), basic::BasicError);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    f.close();

    a->failOnWrite = false;
    try {
        form().save(folder + QStringLiteral("/form.json/inside.json"));
        ADD_FAILURE() << "saving below a file must fail";
    } catch (const basic::BasicError& e) {
        EXPECT_EQ(e.number(), basic::err::ErrorSavingToFile);
    }
}

TEST_F(HostTest, MessageBoxesGoThroughTheRecorder)
{
    messages().answerNext(host::mb::No);
    EXPECT_EQ(host::MsgBox(QStringLiteral("Save?"), host::mb::YesNo | host::mb::Question, QStringLiteral("Alpha")), host::mb::No);
    EXPECT_EQ(host::MsgBox(QStringLiteral("Retry?"), host::mb::RetryCancel | host::mb::SystemModal), host::mb::Retry);
    host::Beep();
    ASSERT_EQ(messages().messages.size(), 2);
    EXPECT_EQ(messages().messages[0].title, QStringLiteral("Alpha"));
    EXPECT_EQ(messages().messages[1].style & host::mb::SystemModal, host::mb::SystemModal);
    EXPECT_EQ(messages().beeps, 1);
}
