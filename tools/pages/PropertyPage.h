#pragma once

// The base of every property page: a widget of labelled fields, each tagged
// with the name of the property it edits. The host tells the page that the
// selection changed (the page fills its fields from the first selected
// control), asks it to apply (the page writes back what was edited) and to
// show a property's field. Filling never marks the page changed; an edit,
// click or option change afterwards does.
#include "tools/common/ToolsExport.h"

#include <QFrame>
#include <QGroupBox>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QFormLayout;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace orx::tools::pages {

// An array of option buttons in a frame, each standing for a value. The
// page keeps the value chosen there; a click of the user reports it.
class ORX_TOOLS_EXPORT OptionGroup : public QGroupBox {
    Q_OBJECT

public:
    OptionGroup(const QString& name, const QString& title, const QStringList& captions, const QList<int>& values,
                QWidget* parent = nullptr);

    int value() const { return value_; }
    // Selects the option that stands for the value (none when no option does).
    void setValue(int value);
    int count() const { return int(options_.size()); }
    QRadioButton* option(int index) const { return options_.value(index); }

Q_SIGNALS:
    // The user chose an option.
    void chosen(int value);

private:
    QList<QRadioButton*> options_;
    QList<int> values_;
    QButtonGroup* group_;
    int value_ = 0;
};

// A preview box of a border effect (PIC_Border): box 0 stays plain, boxes 1
// to 4 show their effect in the box's own size. A click reports the box.
class ORX_TOOLS_EXPORT BorderPreview : public QFrame {
    Q_OBJECT

public:
    BorderPreview(int index, QWidget* parent = nullptr);
    int index() const { return index_; }

Q_SIGNALS:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int index_;
};

class ORX_TOOLS_EXPORT PropertyPage : public QWidget {
    Q_OBJECT

public:
    // How a value reaches the control: by default the control's property
    // is set by name; a design tool puts its own undoable command here.
    using Writer = std::function<void(QObject* control, const QString& property, const QVariant& value)>;

    explicit PropertyPage(const QString& caption, QWidget* parent = nullptr);
    ~PropertyPage() override;

    QString caption() const { return caption_; }

    // The host's page notifications.
    void SelectionChanged(const QList<QObject*>& selected);
    void ApplyChanges();
    void EditProperty(const QString& name);

    QObject* control() const { return control_; }
    bool isLoaded() const { return loaded_; }
    bool isChanged() const { return changed_; }
    void setWriter(Writer writer) { writer_ = std::move(writer); }
    // What the last apply could not write, one line per property.
    const QStringList& applyErrors() const { return errors_; }

    // The field of a property (its tag), or null.
    QWidget* fieldOf(const QString& property) const;

Q_SIGNALS:
    // The page became changed by an edit.
    void changed();

protected:
    QLineEdit* addText(QFormLayout* form, const char* name, const char* property, const QString& label);
    QLineEdit* addNumber(QFormLayout* form, const char* name, const char* property, const QString& label);
    QPlainTextEdit* addList(QFormLayout* form, const char* name, const char* property, const QString& label);
    QCheckBox* addCheck(const char* name, const char* property, const QString& caption, QWidget* parent);
    OptionGroup* addOptions(const char* name, const char* property, const QString& title,
                            const QStringList& captions, const QList<int>& values, QWidget* parent);
    // OB_BorderEffect: five options (values 0 to 4), each beside the
    // preview of its effect (PIC_Border); a click on a preview chooses it.
    OptionGroup* addBorderEffects(const QString& title, QWidget* parent);
    // A field of the page's own kind: how it shows a property value and the
    // value it would write.
    void addField(const char* property, QWidget* widget, std::function<void(const QVariant&)> show,
                  std::function<QVariant()> value);
    // A read-only edit field that shows something other than a property.
    static QLineEdit* addDisplay(QFormLayout* form, const char* name, const QString& label);

    // The order in which apply writes the fields (default: as added).
    void setWriteOrder(const QStringList& properties) { writeOrder_ = properties; }
    // The page's own rules once the fields are filled (what is shown or
    // enabled); they must not move the focus.
    virtual void afterFill() {}
    // Marks the page changed when the fill is over.
    void markChanged();
    // Runs `rule` with the loaded flag cleared, so the fields it changes do
    // not count as edits, then marks the page changed.
    void runRule(const std::function<void()>& rule);
    // An edit field that gets the focus selects all its text.
    void selectAllOnFocus(QWidget* edit);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Field {
        QString property;
        QWidget* widget = nullptr;
        std::function<void(const QVariant&)> show;
        std::function<QVariant()> value;
        bool number = false;
        QVariant loaded;
    };
    Field* field(const QString& property);
    void fill();
    void write(const Field& f, const QVariant& pageValue);

    QString caption_;
    QPointer<QObject> control_;
    std::vector<Field> fields_;
    QStringList writeOrder_;
    Writer writer_;
    QStringList errors_;
    bool loaded_ = false;
    bool changed_ = false;
};

}  // namespace orx::tools::pages
