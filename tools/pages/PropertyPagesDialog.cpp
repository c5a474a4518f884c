#include "tools/pages/PropertyPagesDialog.h"

#include "platform/host/Services.h"
#include "tools/button/ORXCommandButton.h"
#include "tools/checkgroup/ORXCheckBox.h"
#include "tools/optiongroup/ORXOptionButton.h"
#include "tools/pages/ButtonPages.h"
#include "tools/pages/GroupPages.h"
#include "tools/pages/TextBoxPages.h"
#include "tools/textbox/ORXTextBox.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orx::tools::pages {

std::vector<PropertyPage*> createPropertyPages(const QObject* control, QWidget* parent)
{
    if (qobject_cast<const ORXTextBox*>(control))
        return {new ORXTX_General_PPage(parent), new ORXTX_Appearance_PPage(parent),
                new ORXTX_Characters_PPage(parent), new ORXTX_Templates_PPage(parent)};
    if (qobject_cast<const ORXCheckBox*>(control))
        return {new ORXCK_General_PPage(parent)};
    if (qobject_cast<const ORXOptionButton*>(control))
        return {new ORXOB_General_PPage(parent)};
    if (qobject_cast<const ORXCommandButton*>(control))
        return {new ORXCM_General_PPage(parent), new ORXCM_Appearance_PPage(parent)};
    return {};
}

PropertyPagesDialog::PropertyPagesDialog(const QList<QObject*>& selected, QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this))
{
    setObjectName(QStringLiteral("PropertyPagesDialog"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons_);
    QObject* first = selected.value(0);
    if (first)
        setWindowTitle(tr("%1 Properties").arg(first->objectName().isEmpty() ? QString::fromLatin1(first->metaObject()->className())
                                                                           : first->objectName()));
    pages_ = createPropertyPages(first);
    for (PropertyPage* page : pages_) {
        tabs_->addTab(page, page->caption());
        page->SelectionChanged(selected);
        connect(page, &PropertyPage::changed, this, &PropertyPagesDialog::updateApply);
    }
    connect(buttons_, &QDialogButtonBox::accepted, this, &PropertyPagesDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &PropertyPagesDialog::reject);
    connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, [this] { apply(); });
    updateApply();
}

PropertyPagesDialog::~PropertyPagesDialog() = default;

void PropertyPagesDialog::setWriter(const PropertyPage::Writer& writer)
{
    for (PropertyPage* page : pages_)
        page->setWriter(writer);
}

bool PropertyPagesDialog::apply()
{
    QStringList errors;
    for (PropertyPage* page : pages_) {
        if (!page->isChanged())
            continue;
        page->ApplyChanges();
        errors += page->applyErrors();
    }
    // What one page wrote may change what another shows.
    for (PropertyPage* page : pages_) {
        if (page->control())
            page->SelectionChanged({page->control()});
    }
    updateApply();
    if (!errors.isEmpty()) {
        host::MsgBox(tr("These values were not stored:\n%1").arg(errors.join(QLatin1Char('\n'))), host::mb::Exclamation,
                     windowTitle());
        return false;
    }
    return true;
}

void PropertyPagesDialog::accept()
{
    if (apply())
        QDialog::accept();
}

void PropertyPagesDialog::updateApply()
{
    bool changed = false;
    for (const PropertyPage* page : pages_)
        changed = changed || page->isChanged();
    buttons_->button(QDialogButtonBox::Apply)->setEnabled(changed);
}

}  // namespace orx::tools::pages
