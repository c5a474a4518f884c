#pragma once

// The frame that holds a control's property pages: a tab per page, and OK,
// Cancel and Apply. Apply (and OK) writes every changed page to the first
// selected control; Apply is enabled while a page is changed.
#include "tools/pages/PropertyPage.h"

#include <QDialog>

#include <memory>
#include <vector>

class QDialogButtonBox;
class QTabWidget;

namespace orx::tools::pages {

// The pages of a control's class, in the order the host shows them; none
// for an object that is not one of the library's controls.
ORX_TOOLS_EXPORT std::vector<PropertyPage*> createPropertyPages(const QObject* control, QWidget* parent = nullptr);

class ORX_TOOLS_EXPORT PropertyPagesDialog : public QDialog {
    Q_OBJECT

public:
    // Pages for the selection; the first selected control is the one shown
    // and changed.
    explicit PropertyPagesDialog(const QList<QObject*>& selected, QWidget* parent = nullptr);
    ~PropertyPagesDialog() override;

    const std::vector<PropertyPage*>& pages() const { return pages_; }
    QTabWidget* tabs() const { return tabs_; }
    // Every page writes through this (a design tool's undoable command).
    void setWriter(const PropertyPage::Writer& writer);
    // Writes the changed pages; false when something could not be written
    // (shown to the designer in a message box).
    bool apply();

    void accept() override;

private:
    void updateApply();

    std::vector<PropertyPage*> pages_;
    QTabWidget* tabs_;
    QDialogButtonBox* buttons_;
};

}  // namespace orx::tools::pages
