#include "apps/orders/ScriptedSession.h"

#include "apps/demo/DemoWindow.h"
#include "apps/orders/OrderForm.h"
#include "apps/orders/OrderStore.h"
#include "platform/basic/Variant.h"
#include "platform/host/Extender.h"
#include "platform/host/Services.h"
#include "platform/testing/RecordingMessageService.h"
#include "reportrt/Viewer.h"
#include "reportrt/viewer/PageViewer.h"
#include "tools/button/ORXCommandButton.h"
#include "tools/checkgroup/ORXCheckBox.h"
#include "tools/optiongroup/ORXOptionButton.h"
#include "tools/textbox/ORXTextBox.h"
#include "viewreport/control/ORXOCXViewReport.h"
#include "viewreport/engine/ORXDLLViewReportFRM.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <functional>
#include <memory>

namespace orx::orders {

namespace {

using tools::ORXTextBox;

class Session {
public:
    Session(OrderForm& form, const QString& out) : form_(form), out_(out)
    {
        QDir().mkpath(out_);
        transcriptFile_.setFileName(QDir(out_).filePath(QStringLiteral("transcript.txt")));
        transcriptFile_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
        host::setMessageService(&messages_);
    }
    ~Session() { host::setMessageService(nullptr); }

    bool run();

private:
    void say(const QString& line)
    {
        QTextStream(stdout) << line << "\n";
        QTextStream(&transcriptFile_) << line << "\n";
    }
    void fail(const QString& what)
    {
        ok_ = false;
        say(QStringLiteral("  FAILED: ") + what);
    }
    void settle() { QApplication::processEvents(); }
    void snapshot(QWidget& window, const QString& name)
    {
        settle();
        const QString relative = QDir(demoOutFolder()).relativeFilePath(QDir(out_).filePath(name));
        const QString path = saveSnapshot(window, relative);
        if (path.isEmpty())
            fail(QStringLiteral("could not write %1.png").arg(name));
        else
            say(QStringLiteral("  picture: %1").arg(QFileInfo(path).fileName()));
    }
    // A click where a user would make it, through the window's hit test.
    void clickOn(QWidget* widget)
    {
        QWidget* top = widget->window();
        QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, widget->mapTo(top, widget->rect().center()));
        settle();
    }
    void clickButton(const char* name) { clickOn(form_.button(name)); }
    // Types into a box as a user would: focus, select what is there, type, Tab away.
    void type(const char* name, const QString& text)
    {
        ORXTextBox* b = form_.box(name);
        clickOn(b->editField());
        b->editField()->selectAll();
        QTest::keyClicks(b->editField(), text);
        QTest::keyClick(b->editField(), Qt::Key_Tab);
        settle();
        say(QStringLiteral("  %1: typed \"%2\", shows \"%3\"").arg(QLatin1String(name), text, b->FormattedText()));
        reportMessages();
    }
    // Opens the box's drop-down list with its button and picks `item` with
    // the keys (Escape when the list has no such item); false when it had none.
    bool pickFromList(ORXTextBox* b, const QString& item)
    {
        // Shared with the poll, which may outlive this call when the list never opens.
        auto found = std::make_shared<bool>(false);
        auto tries = std::make_shared<int>(0);
        auto poll = std::make_shared<std::function<void()>>();
        // The poll reaches itself through a weak pointer (a strong one would
        // keep it alive for ever); it stops once this call has returned.
        *poll = [found, tries, b, self = std::weak_ptr<std::function<void()>>(poll), item] {
            QListWidget* list = b->comboListBox();
            if (!list->isVisible()) {
                if (++*tries < 300) {
                    if (const auto again = self.lock())
                        QTimer::singleShot(10, *again);
                }
                return;
            }
            const QList<QListWidgetItem*> hits = list->findItems(item, Qt::MatchExactly);
            *found = !hits.isEmpty();
            if (*found)
                list->setCurrentItem(hits.front());
            QTest::keyClick(list, *found ? Qt::Key_Return : Qt::Key_Escape);
        };
        QTimer::singleShot(0, *poll);
        QTest::mouseClick(b->dropDownButton(), Qt::LeftButton);
        settle();
        return *found;
    }
    void pick(const char* name, const QString& item)
    {
        ORXTextBox* b = form_.box(name);
        if (!pickFromList(b, item))
            fail(QStringLiteral("%1 has no item %2").arg(QLatin1String(name), item));
        say(QStringLiteral("  %1: picked \"%2\" from the list (key %3)")
                .arg(QLatin1String(name), b->Text().toString(), b->ComboIndex() > 0 ? b->ComboItemKey(b->ComboIndex()).toString() : QStringLiteral("none")));
    }
    void spinUp(const char* name)
    {
        ORXTextBox* b = form_.box(name);
        const QString before = b->FormattedText();
        QScrollBar* bar = b->spinBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, 3));
        settle();
        say(QStringLiteral("  %1: one click on the spin bar's up arrow: %2 -> %3").arg(QLatin1String(name), before, b->FormattedText()));
    }
    void pickOption(int index)
    {
        clickOn(form_.paymentGroup()->captionLabel(index));
        say(QStringLiteral("  Payment: clicked \"%1\", Value %2").arg(form_.paymentGroup()->captionLabel(index)->text(), form_.paymentGroup()->Value()));
    }
    void tick(int index)
    {
        clickOn(form_.flagsGroup()->checkBox(index));
        say(QStringLiteral("  Extra services: clicked \"%1\", NumericValue %2")
                .arg(form_.flagsGroup()->captionLabel(index)->text())
                .arg(form_.flagsGroup()->NumericValue()));
    }
    void pickDisplayCurrency(const QString& currency)
    {
        ORXTextBox* b = form_.box("Price");
        if (!pickFromList(b, currency))
            fail(QStringLiteral("the currency list has no %1").arg(currency));
        say(QStringLiteral("  Price: shown in %1 from its currency list: \"%2\" (held %3 in %4)")
                .arg(currency, b->FormattedText(), b->Text().toString(), b->SelCurrency()));
    }
    void reportMessages()
    {
        for (const host::RecordingMessageService::Message& m : messages_.messages)
            say(QStringLiteral("  message: ") + QString(m.text).replace(QLatin1Char('\n'), QStringLiteral(" | ")));
        messages_.clear();
    }
    bool save(const QString& what)
    {
        clickButton("Save");
        say(QStringLiteral("  Save clicked: %1").arg(form_.statusText()));
        reportMessages();
        const bool saved = form_.currentId() != 0 && form_.statusText().endsWith(QLatin1String("saved"));
        if (saved)
            saved_ << form_.currentId();
        else
            fail(what + QStringLiteral(" was not saved"));
        return saved;
    }
    viewreport::ORXDLLViewReportFRM* previewWindow()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* frm = qobject_cast<viewreport::ORXDLLViewReportFRM*>(w); frm && !frm->isUnloaded() && frm->isVisible())
                return frm;
        return nullptr;
    }
    void closePreview(const QString& picture)
    {
        viewreport::ORXDLLViewReportFRM* frm = previewWindow();
        if (!frm) {
            fail(QStringLiteral("no preview window opened"));
            return;
        }
        frm->resize(900, 1000);
        snapshot(*frm, picture);
        frm->close();
        QApplication::setActiveWindow(&form_);
        settle();
    }
    void enterOrders();
    void refusals();
    void openFromList();
    void reports();
    void deleteOrder();
    void lockedSave();
    void exitWithChanges();

    OrderForm& form_;
    QString out_;
    QFile transcriptFile_;
    host::RecordingMessageService messages_;
    QList<qint64> saved_;
    bool ok_ = true;
};

void Session::enterOrders()
{
    say(QStringLiteral("\n1. The first order: picked, typed, spun, clicked, saved"));
    pick("Customer", QStringLiteral("Verdi Ufficio"));
    type("OrderDate", QStringLiteral("140624"));
    spinUp("OrderDate");
    type("DeliveryTime", QStringLiteral("0930"));
    pick("Product", QStringLiteral("Desk lamp"));
    say(QStringLiteral("  Price: the product brought its list price \"%1\"").arg(form_.box("Price")->FormattedText()));
    type("Quantity", QStringLiteral("3"));
    type("Discount", QStringLiteral("10"));
    type("Notes", QStringLiteral("leave at the front desk"));
    pickOption(2);
    tick(1);
    snapshot(form_, QStringLiteral("01-first-order"));
    save(QStringLiteral("the first order"));

    say(QStringLiteral("\n2. The second order: a price typed in Euro, then shown in Lire"));
    clickButton("New");
    say(QStringLiteral("  New clicked: %1").arg(form_.statusText()));
    pick("Customer", QStringLiteral("Rossi Forniture"));
    type("OrderDate", QStringLiteral("30/06/24"));
    pick("Product", QStringLiteral("Shredder"));
    type("Quantity", QStringLiteral("2"));
    type("Price", QStringLiteral("119.90"));
    pickDisplayCurrency(QStringLiteral("Lira"));
    pickOption(0);
    tick(0);
    tick(2);
    save(QStringLiteral("the second order"));

    say(QStringLiteral("\n3. The third order, saved with the Enter key (Save is the default button)"));
    clickButton("New");
    pick("Customer", QStringLiteral("Greco Archivi"));
    type("OrderDate", QStringLiteral("010724"));
    pick("Product", QStringLiteral("A4 paper ream"));
    type("Quantity", QStringLiteral("40"));
    type("Notes", QStringLiteral("two boxes per pallet"));
    pickOption(1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    say(QStringLiteral("  Enter pressed: %1").arg(form_.statusText()));
    reportMessages();
    if (form_.statusText().endsWith(QLatin1String("saved")))
        saved_ << form_.currentId();
    else
        fail(QStringLiteral("Enter did not save the third order"));
    snapshot(form_, QStringLiteral("02-saved"));
}

void Session::refusals()
{
    say(QStringLiteral("\n4. What the form refuses"));
    clickButton("New");
    say(QStringLiteral("  New clicked: %1").arg(form_.statusText()));
    type("Quantity", QStringLiteral("0"));
    reportMessages();
    type("Discount", QStringLiteral("150"));
    reportMessages();
    pick("Product", QStringLiteral("Stapler"));
    tick(1);
    tick(3);
    pickOption(1);
    clickButton("Save");
    say(QStringLiteral("  Save clicked with no customer, an express delivery with no time, cash and an invoice by mail:"));
    reportMessages();
    if (form_.currentId() != 0)
        fail(QStringLiteral("an incomplete order was saved"));
    snapshot(form_, QStringLiteral("03-refused"));
}

void Session::openFromList()
{
    say(QStringLiteral("\n5. An order opened from the list (a click on its number)"));
    viewreport::ORXOCXViewReport* list = form_.orderList();
    auto* viewer = list->findChild<reportrt::viewer::PageViewer*>();
    if (!viewer) {
        fail(QStringLiteral("the order list shows no viewer"));
        return;
    }
    viewer->call(reportrt::viewerid::ShowFirstPage);
    settle();
    const qint64 wanted = saved_.isEmpty() ? 0 : saved_.front();
    // The refused order is still on the form: its changes are dropped.
    messages_.answerNext(host::mb::No);
    bool clicked = false;
    for (const auto* text : viewer->pages()->texts()) {
        if (text->source.contains(QLatin1String("order_id")) && text->text.trimmed() == QString::number(wanted)) {
            QTest::mouseClick(viewer, Qt::LeftButton, {}, viewer->viewerPoint(QRectF(text->rect).center()));
            settle();
            reportMessages();
            clicked = true;
            break;
        }
    }
    if (!clicked) {
        fail(QStringLiteral("the order %1 is not on the list's first page").arg(wanted));
        return;
    }
    say(QStringLiteral("  clicked order %1 on the list: %2; customer %3, date %4, quantity %5")
            .arg(wanted)
            .arg(form_.statusText(), form_.box("Customer")->Text().toString(), form_.box("OrderDate")->FormattedText(),
                 form_.box("Quantity")->FormattedText()));
    if (form_.currentId() != wanted)
        fail(QStringLiteral("the click did not open the order"));
    snapshot(form_, QStringLiteral("04-opened-from-list"));
}

void Session::reports()
{
    say(QStringLiteral("\n6. The invoice and the monthly sales in the preview window; the invoice as PDF"));
    clickButton("Preview");
    reportMessages();
    closePreview(QStringLiteral("05-invoice-preview"));
    clickButton("Sales");
    reportMessages();
    closePreview(QStringLiteral("06-monthly-sales"));
    const QString pdf = QDir(out_).filePath(QStringLiteral("Invoice-%1.pdf").arg(form_.currentId()));
    QFile::remove(pdf);
    form_.exportInvoice(pdf);
    reportMessages();
    const QFileInfo info(pdf);
    if (info.isFile() && info.size() > 0)
        say(QStringLiteral("  exported: %1 (%2 bytes)").arg(info.fileName()).arg(info.size()));
    else
        fail(QStringLiteral("the invoice PDF was not written"));
}

void Session::deleteOrder()
{
    say(QStringLiteral("\n7. An order saved, then deleted (No keeps it, Yes deletes it)"));
    clickButton("New");
    pick("Customer", QStringLiteral("Neri Cartoleria"));
    pick("Product", QStringLiteral("Calculator"));
    type("Quantity", QStringLiteral("5"));
    clickButton("Save");
    reportMessages();
    const qint64 id = form_.currentId();
    say(QStringLiteral("  Save clicked: %1").arg(form_.statusText()));
    messages_.answerNext(host::mb::No);
    clickButton("Delete");
    reportMessages();
    const bool kept = form_.store().load(id).has_value();
    say(QStringLiteral("  Delete clicked, answered No: %1").arg(kept ? QStringLiteral("the order is kept") : QStringLiteral("the order is gone")));
    messages_.answerNext(host::mb::Yes);
    clickButton("Delete");
    reportMessages();
    say(QStringLiteral("  Delete clicked, answered Yes: %1").arg(form_.statusText()));
    if (id == 0 || !kept || form_.store().load(id).has_value())
        fail(QStringLiteral("Delete did not do what was answered"));
}

void Session::lockedSave()
{
    say(QStringLiteral("\n8. A save while another program holds the database locked"));
    if (saved_.isEmpty() || !form_.openOrder(saved_.front()))
        fail(QStringLiteral("the first order does not open"));
    const qint64 id = form_.currentId();
    type("Notes", QStringLiteral("ring before noon"));
    const Order typed = form_.currentOrder();
    const QString connection = QStringLiteral("orders-session-lock");
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        other.setDatabaseName(form_.store().path());
        QSqlQuery lock(other);
        if (!other.open() || !lock.exec(QStringLiteral("BEGIN EXCLUSIVE")))
            fail(QStringLiteral("the database could not be locked for the test"));
        form_.store().setBusyTimeout(300);
        clickButton("Save");
        say(QStringLiteral("  Save clicked: %1").arg(form_.statusText()));
        reportMessages();
        if (!(form_.currentOrder() == typed))
            fail(QStringLiteral("the form lost what was typed"));
        else
            say(QStringLiteral("  the form still holds the notes \"%1\"").arg(form_.box("Notes")->Text().toString()));
        lock.exec(QStringLiteral("ROLLBACK"));
        other.close();
    }
    QSqlDatabase::removeDatabase(connection);
    form_.store().setBusyTimeout(2000);
    const std::optional<Order> stored = form_.store().load(id);
    if (!stored || stored->notes == typed.notes)
        fail(QStringLiteral("the refused save changed the stored order"));
    clickButton("Save");
    say(QStringLiteral("  the lock released, Save clicked again: %1").arg(form_.statusText()));
    reportMessages();
    const std::optional<Order> after = form_.store().load(id);
    if (!after || after->notes != typed.notes)
        fail(QStringLiteral("the second save did not write the notes"));
    snapshot(form_, QStringLiteral("08-saved-after-lock"));
}

void Session::exitWithChanges()
{
    say(QStringLiteral("\n9. Exit with a change not saved: Cancel stays, No leaves without saving"));
    bool exited = false;
    QObject::connect(&form_, &OrderForm::exitRequested, &form_, [&exited] { exited = true; });
    const qint64 id = form_.currentId();
    type("Notes", QStringLiteral("changed my mind"));
    messages_.answerNext(host::mb::Cancel);
    clickButton("Exit");
    reportMessages();
    say(QStringLiteral("  Exit clicked, answered Cancel: %1").arg(exited ? QStringLiteral("the form closed") : QStringLiteral("the form stays")));
    if (exited)
        fail(QStringLiteral("Cancel closed the form"));
    messages_.answerNext(host::mb::No);
    clickButton("Exit");
    reportMessages();
    say(QStringLiteral("  Exit clicked, answered No: %1").arg(exited ? QStringLiteral("the form closed") : QStringLiteral("the form stays")));
    const std::optional<Order> stored = form_.store().load(id);
    if (!exited || !stored || stored->notes == QStringLiteral("Changed My Mind"))
        fail(QStringLiteral("No did not leave the order as it was stored"));
}

bool Session::run()
{
    form_.show();
    QApplication::setActiveWindow(&form_);
    settle();
    say(QStringLiteral("ORX orders: a scripted session on %1").arg(QDir::toNativeSeparators(QDir(out_).absolutePath())));
    snapshot(form_, QStringLiteral("00-new-order"));
    enterOrders();
    refusals();
    openFromList();
    reports();
    deleteOrder();
    lockedSave();
    exitWithChanges();
    say(ok_ ? QStringLiteral("The session ended as expected.") : QStringLiteral("The session had failures."));
    return ok_;
}

}  // namespace

bool runScriptedSession(OrderForm& form, const QString& out)
{
    Session session(form, out);
    return session.run();
}

}  // namespace orx::orders
