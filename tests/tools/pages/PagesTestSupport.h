#pragma once

#include "tests/support/HostFixture.h"
#include "tools/pages/PropertyPage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <memory>

namespace orx::test {

// A form being designed, with the controls the pages edit, and a page shown
// in a window of its own. Edits go through QTest input on the page's fields.
class PagesFixture : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        setUserMode(false);
    }
    void TearDown() override
    {
        page_.reset();
        HostFixture::TearDown();
    }

    template <class Page>
    Page* open(QObject* control)
    {
        page_ = std::make_unique<Page>();
        page_->show();
        settle();
        page_->SelectionChanged({control});
        settle();
        return static_cast<Page*>(page_.get());
    }

    template <class W>
    W* field(const char* name) const
    {
        W* w = page_->findChild<W*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Replaces an edit field's text as the designer types it; a list field
    // takes each "\n" as the Return key.
    void edit(const char* name, const QString& text) const
    {
        QWidget* w = page_->findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(w, nullptr) << name;
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_Delete);
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(w, Qt::Key_Return);
            QTest::keyClicks(w, lines.at(i));
        }
    }

    void choose(const char* group, int index) const
    {
        auto* option = field<QRadioButton>(QByteArray(group).append('_').append(QByteArray::number(index)).constData());
        ASSERT_NE(option, nullptr);
        QTest::mouseClick(option, Qt::LeftButton, Qt::NoModifier, QPoint(6, option->height() / 2));
    }

    void check(const char* name) const
    {
        auto* box = field<QCheckBox>(name);
        ASSERT_NE(box, nullptr);
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
    }

    QString text(const char* name) const
    {
        if (auto* line = page_->findChild<QLineEdit*>(QLatin1String(name)))
            return line->text();
        if (auto* list = page_->findChild<QPlainTextEdit*>(QLatin1String(name)))
            return list->toPlainText();
        ADD_FAILURE() << "no edit field " << name;
        return {};
    }

    std::unique_ptr<tools::pages::PropertyPage> page_;
};

}  // namespace orx::test
