#pragma once

// Shared by the engine and control tests: a form host with the recording
// report runtime installed, a fresh run state, and a folder for report files.

#include "platform/basic/BasicError.h"
#include "reportrt/Runtime.h"
#include "reportrt/recording/RecordingRuntime.h"
#include "tests/support/HostFixture.h"
#include "tests/support/TestSupport.h"
#include "viewreport/engine/Engine.h"
#include "viewreport/engine/ORXDLLViewReport.h"
#include "viewreport/engine/ORXDLLViewReportFRM.h"
#include "viewreport/engine/RunState.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <ostream>
#include <optional>

// Readable failure messages for texts and lists of log lines.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& lines, std::ostream* out)
{
    *out << "{\n";
    for (const QString& line : lines)
        *out << "  " << line.toStdString() << "\n";
    *out << "}";
}

namespace orx::test {

namespace rec = reportrt::recording;

class ReportFixture : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        viewreport::RunState::current().reset();
        runtime_.emplace();
        scoped_.emplace(*runtime_);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = freshFolder(QStringLiteral("reports_%1_%2")
                                  .arg(QString::fromLatin1(info->test_suite_name()), QString::fromLatin1(info->name()))
                                  .replace(QLatin1Char('/'), QLatin1Char('_')));
    }

    void TearDown() override
    {
        closePreviewWindows();
        if (runtime_)
            runtime_->log().onLine = nullptr;
        viewreport::RunState::current().reset();
        scoped_.reset();
        runtime_.reset();
        HostFixture::TearDown();
    }

    rec::RecordingRuntime& rt() { return *runtime_; }
    rec::RecordingLog& log() { return runtime_->log(); }

    // Creates an (empty) report file in the test's folder and returns its
    // path without the extension, as a request's ReportName holds it.
    QString reportFile(const QString& baseName, const QString& extension = QStringLiteral(".RPT"))
    {
        const QString path = QDir(folder_).filePath(baseName);
        QFile f(path + extension);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return path;
    }
    const QString& folder() const { return folder_; }

    static QList<viewreport::ORXDLLViewReportFRM*> previewWindows()
    {
        QList<viewreport::ORXDLLViewReportFRM*> out;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* f = qobject_cast<viewreport::ORXDLLViewReportFRM*>(w); f && !f->isUnloaded())
                out << f;
        }
        return out;
    }

    static void closePreviewWindows()
    {
        // Picked out before any is deleted: deleting a window deletes its own top-level
        // children (a pop-up of the viewer's toolbar), which the list still holds.
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<viewreport::ORXDLLViewReportFRM*>(w))
                windows << w;
        }
        for (const QPointer<QWidget>& w : windows)
            delete w.data();
    }

    // Runs `action` from the event loop once `ready` holds (checked on every
    // turn of the loop), as a user would act on a window that is up.
    static void when(std::function<bool()> ready, std::function<void()> action)
    {
        QTimer::singleShot(0, [ready = std::move(ready), action = std::move(action)]() mutable {
            if (ready())
                action();
            else
                when(std::move(ready), std::move(action));
        });
    }

    // Runs `call` and returns the error it raised (nullopt when none).
    template <class F>
    static std::optional<basic::BasicError> errorOf(F&& call)
    {
        try {
            call();
        } catch (const basic::BasicError& e) {
            return e;
        }
        return std::nullopt;
    }

private:
    std::optional<rec::RecordingRuntime> runtime_;
    std::optional<reportrt::ScopedRuntime> scoped_;
    QString folder_;
};

}  // namespace orx::test
