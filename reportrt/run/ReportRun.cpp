#include "reportrt/run/ReportRun.h"

#include "platform/basic/BasicError.h"
#include "platform/basic/Clock.h"
#include "platform/basic/Dates.h"
#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"
#include "reportrt/data/RecordReader.h"
#include "reportrt/data/Sorter.h"
#include "reportrt/grouping/Grouping.h"
#include "reportrt/layout/TextMeasure.h"

#include <QColor>
#include <type_traits>
#include <QDir>
#include <QFileInfo>

namespace orx::reportrt::run {

using definition::ObjectKind;
using definition::SectionKind;
using definition::SpecialField;
using layout::Band;
using layout::PageItem;

int StyleTable::index(const layout::TextStyle& style)
{
    for (std::size_t i = 0; i < styles_.size(); ++i) {
        if (styles_[i] == style)
            return static_cast<int>(i);
    }
    styles_.push_back(style);
    return static_cast<int>(styles_.size()) - 1;
}

// Where bands go: the paginator of a main report, or a list for a sub-report.
class BandOut {
public:
    virtual ~BandOut() = default;
    virtual void add(Band band) = 0;
    virtual void beginKeep() {}
    virtual void endKeep() {}
    virtual int page() = 0;
};

namespace {

class PaginatorOut : public BandOut {
public:
    explicit PaginatorOut(layout::Paginator& p)
        : p_(p)
    {
    }
    void add(Band band) override { p_.add(std::move(band)); }
    void beginKeep() override { p_.beginKeep(); }
    void endKeep() override { p_.endKeep(); }
    int page() override { return p_.currentPage(); }

private:
    layout::Paginator& p_;
};

class ListOut : public BandOut {
public:
    explicit ListOut(int page)
        : page_(page)
    {
    }
    void add(Band band) override { bands.push_back(std::move(band)); }
    int page() override { return page_; }
    std::vector<Band> bands;

private:
    int page_;
};

class CountingSink : public layout::PageSink {
public:
    void page(layout::Page&&) override {}
    void finished(int) override {}
};

}  // namespace

// The values a formula reads for one record; each formula is evaluated at
// most once per record.
class RecordEnv : public formula::Env {
public:
    RecordEnv(CompiledReport& c, std::function<Value(int)> summaries, std::function<int()> page, int totalPages)
        : c_(c), summaries_(std::move(summaries)), page_(std::move(page)), totalPages_(totalPages),
          cache_(c.formulas().size()), stamp_(c.formulas().size(), 0), empty_(c.fieldCount())
    {
        record_ = &empty_;
    }

    void setRecord(const std::vector<Value>* record, qint64 number)
    {
        record_ = record ? record : &empty_;
        number_ = number;
        ++generation_;
    }

    // Evaluates a formula of the report for this record; `what` names it
    // (a text, or a function making one, called only when it fails).
    template <class What>
    Value evaluate(const Formula& f, What&& what)
    {
        try {
            return f.evaluate(*this);
        } catch (const formula::EvalError& e) {
            if constexpr (std::is_invocable_v<What>)
                fail(what(), e, QString());
            else
                fail(QString(what), e, QString());
        }
    }

    const Value& field(int index) override { return (*record_)[static_cast<std::size_t>(index)]; }
    Value formula(int index) override
    {
        const auto i = static_cast<std::size_t>(index);
        if (stamp_[i] != generation_) {
            const auto& def = c_.def().formulas[i];
            try {
                cache_[i] = c_.formulas()[i]->evaluate(*this);
            } catch (const formula::EvalError& e) {
                fail(QStringLiteral("The formula %1").arg(def.name), e, def.text);
            }
            stamp_[i] = generation_;
        }
        return cache_[i];
    }
    // The condition fields of the groups the sections being printed belong to.
    const layout::KeyFields& keys() const { return keys_; }
    void setKeys(layout::KeyFields keys) { keys_ = std::move(keys); }

    const Value& parameter(int index) override { return c_.parameters()[static_cast<std::size_t>(index)]; }
    Value summary(int slot) override { return summaries_(slot); }
    int pageNumber() override { return page_(); }
    int totalPageCount() override { return totalPages_; }
    qint64 recordNumber() override { return number_; }
    QString groupName(int level) override
    {
        const Value v = evaluate(*c_.groupFields()[static_cast<std::size_t>(level - 1)], QStringLiteral("A group field"));
        const auto* order = c_.specifiedOrder(level - 1);
        return order ? order->groupName(v) : v.display();
    }

private:
    [[noreturn]] void fail(const QString& what, const formula::EvalError& e, const QString& text)
    {
        QString where;
        if (!text.isEmpty()) {
            const auto [line, column] = formula::lineAndColumn(text, e.offset());
            where = text.contains(QLatin1Char('\n')) ? QStringLiteral(" (line %1, column %2)").arg(line).arg(column)
                                                     : QStringLiteral(" (column %1)").arg(column);
        }
        const QString on = number_ > 0 ? QStringLiteral(" on record %1").arg(number_) : QString();
        raiseRuntimeError(rterr::FormulaFailed, rterr::source(),
                          QStringLiteral("%1 failed%2: %3%4").arg(what, on, e.message(), where));
    }

    CompiledReport& c_;
    std::function<Value(int)> summaries_;
    std::function<int()> page_;
    int totalPages_;
    std::vector<Value> cache_;
    std::vector<unsigned> stamp_;
    unsigned generation_ = 1;
    std::vector<Value> empty_;
    const std::vector<Value>* record_;
    qint64 number_ = 0;
    layout::KeyFields keys_;
};

namespace {

// The records a run reports, selected and in order.
class SelectedRecords {
public:
    SelectedRecords(CompiledReport& c, data::Connections& connections, const std::vector<std::pair<int, Value>>& filters,
                    RunObserver* observer)
        : c_(c), env_(c, [](int) { return Value::null(); }, [] { return 1; }, 0)
    {
        const auto& d = c.def();
        data::ReadPlan plan;
        for (std::size_t t = 0; t < d.tables.size(); ++t)
            plan.tables.push_back({&d.tables[t], c.state().bindings.at(t)});
        plan.links = d.links;
        plan.baseDir = c.state().baseDir;
        plan.filters = filters;
        // The order: groups (outermost first), then the record sort fields. A
        // group in original order keeps the data's order from there on.
        bool databaseOrder = true;
        auto addKey = [&](const QString& ref, Formula* f, bool descending) {
            keys_.push_back({f, descending, nullptr});
            const auto r = definition::FieldRef::parse(ref);
            const int index = r.kind == definition::FieldRef::Kind::Database ? c.fieldIndex(r.table, r.name) : -1;
            if (index < 0)
                databaseOrder = false;
            else
                plan.order.push_back({index, descending});
        };
        bool ordered = true;
        for (std::size_t g = 0; g < d.groups.size() && ordered; ++g) {
            const auto dir = d.groups[g].direction;
            if (const auto* order = c.specifiedOrder(static_cast<int>(g))) {
                keys_.push_back({c.groupFields()[g].get(), false, order});  // the named groups' order
                databaseOrder = false;
            } else if (dir == definition::SortDirection::Original || dir == definition::SortDirection::Specified)
                ordered = false;
            else
                addKey(d.groups[g].field, c.groupFields()[g].get(), dir == definition::SortDirection::Descending);
        }
        for (std::size_t s = 0; s < d.sortFields.size() && ordered; ++s)
            addKey(d.sortFields[s].field, c.sortFields()[s].get(), d.sortFields[s].direction == definition::SortDirection::Descending);
        if (!databaseOrder)
            plan.order.clear();
        if (d.tables.empty())
            return;
        reader_ = std::make_unique<data::RecordReader>(plan, connections);
        if (!keys_.empty() && !(databaseOrder && reader_->sortedInSource())) {
            std::vector<bool> descending;
            for (const auto& k : keys_) {
                descending.push_back(k.descending);
                if (k.specified)
                    descending.push_back(false);  // it gives two keys
            }
            sorter_ = std::make_unique<data::Sorter>(descending);
            std::vector<Value> r;
            qint64 read = 0;
            while (readSelected(r)) {
                // Reading everything before the first record can be long: a stop is heeded meanwhile.
                if (++read % 1000 == 0 && observer && observer->cancelled())
                    raiseRuntimeError(rterr::Cancelled, rterr::source(), QStringLiteral("The run was stopped"));
                std::vector<Value> keyValues;
                env_.setRecord(&r, 0);
                for (const auto& k : keys_) {
                    Value v = env_.evaluate(*k.formula, QStringLiteral("A sort field"));
                    if (k.specified)
                        k.specified->addSortKeys(v, keyValues);
                    else
                        keyValues.push_back(std::move(v));
                }
                sorter_->add(std::move(keyValues), r);
            }
            sorter_->finish();
        }
    }

    bool next(std::vector<Value>& r)
    {
        if (!reader_)
            return false;
        if (sorter_)
            return sorter_->next(r);
        return readSelected(r);
    }

private:
    bool readSelected(std::vector<Value>& r)
    {
        while (reader_->next(r)) {
            env_.setRecord(&r, 0);
            if (c_.selection() && !env_.evaluate(*c_.selection(), QStringLiteral("The record selection formula")).isTrue())
                continue;
            if (!discarded())
                return true;
        }
        return false;
    }

    // A group in specified order may leave out the records no named group takes.
    bool discarded()
    {
        for (std::size_t g = 0; g < c_.groupFields().size(); ++g) {
            const auto* order = c_.specifiedOrder(static_cast<int>(g));
            if (order && order->discards(env_.evaluate(*c_.groupFields()[g], QStringLiteral("A group field"))))
                return true;
        }
        return false;
    }

    CompiledReport& c_;
    RecordEnv env_;
    struct Key {
        Formula* formula;
        bool descending;
        const grouping::SpecifiedOrder* specified;  // a group in specified order
    };
    std::vector<Key> keys_;
    std::unique_ptr<data::RecordReader> reader_;
    std::unique_ptr<data::Sorter> sorter_;
};

}  // namespace

// One pass over the records: group breaks, running summaries and the
// sections printed where they belong.
class Produce {
public:
    Produce(ReportRun& run, BandOut* out, const std::vector<std::pair<int, Value>>& filters)
        : run_(run), c_(*run.compiled_), out_(out), filters_(filters),
          levels_(static_cast<int>(c_.def().groups.size())),
          env_(c_, [this](int slot) { return summary(slot); }, [this] { return out_ ? out_->page() : 1; }, run.totalPages_),
          instance_(levels_ + 1, -1), repeatable_(levels_ + 1, false), groupValues_(levels_ + 1), paths_(levels_ + 1)
    {
        for (const auto& s : c_.summaries())
            running_.emplace_back(s.op);
        instance_[0] = 0;
    }

    RecordEnv& env() { return env_; }
    bool repeatable(int level) const { return repeatable_[level]; }
    // The report header goes out with the first page's header, above the
    // page header, instead of as the first band.
    void printReportHeaderWithFirstPage() { reportHeaderByPage_ = true; }

    void run()
    {
        SelectedRecords records(c_, run_.connections_, filters_, run_.observer_);
        std::vector<Value> cur, prev;
        bool have = records.next(cur);
        env_.setRecord(have ? &cur : nullptr, have ? 1 : 0);
        if (!reportHeaderByPage_)
            printSections(SectionKind::ReportHeader, 0);
        std::vector<Value> keys(levels_ + 1), prevKeys(levels_ + 1);
        qint64 n = 0;
        while (have) {
            ++n;
            env_.setRecord(&cur, n);
            for (int g = 1; g <= levels_; ++g) {
                const Value v = env_.evaluate(*c_.groupFields()[g - 1], [g] { return QStringLiteral("The field of group %1").arg(g); });
                const auto* order = c_.specifiedOrder(g - 1);
                keys[g] = order ? order->breakKey(v) : grouping::groupKey(v, c_.def().groups[g - 1].condition);
                groupValues_[g] = v;
            }
            int breakLevel = levels_ + 1;
            if (n == 1) {
                breakLevel = 1;
            } else {
                for (int g = 1; g <= levels_; ++g) {
                    const auto condition = c_.specifiedOrder(g - 1) ? definition::GroupCondition::AnyValue
                                                                    : c_.def().groups[g - 1].condition;
                    if (grouping::startsGroup(condition, prevKeys[g], keys[g])) {
                        breakLevel = g;
                        break;
                    }
                }
            }
            if (n > 1 && breakLevel <= levels_) {
                env_.setRecord(&prev, n - 1);
                for (int g = levels_; g >= breakLevel; --g)
                    endGroup(g);
                env_.setRecord(&cur, n);
            }
            for (int g = breakLevel; g <= levels_; ++g)
                startGroup(g);
            for (std::size_t s = 0; s < running_.size(); ++s)
                running_[s].add(env_.evaluate(*c_.summaries()[s].value,
                                              [&] { return QStringLiteral("The summary of %1").arg(c_.summaries()[s].reference); }));
            printSections(SectionKind::Details, 0);
            std::swap(prevKeys, keys);
            std::swap(prev, cur);
            // Progress is told by the pass that makes pages; a stop is heeded by every pass.
            if (n % 1000 == 0 && run_.observer_) {
                if (out_)
                    run_.observer_->progress(n);
                if (run_.observer_->cancelled())
                    raiseRuntimeError(rterr::Cancelled, rterr::source(), QStringLiteral("The run was stopped"));
            }
            have = records.next(cur);
        }
        if (n > 0) {
            env_.setRecord(&prev, n);
            for (int g = levels_; g >= 1; --g)
                endGroup(g);
        }
        finishLevel(0);
        printSections(SectionKind::ReportFooter, 0);
        records_ = n;
    }

    qint64 records() const { return records_; }
    // Results per slot and instance, gathered when there is no output.
    std::vector<std::vector<Value>> ahead;

    void printSections(SectionKind kind, int group)
    {
        if (!out_)
            return;
        const bool inGroups = kind == SectionKind::Details || kind == SectionKind::GroupHeader || kind == SectionKind::GroupFooter;
        env_.setKeys(inGroups ? paths_[kind == SectionKind::Details ? levels_ : group] : nullptr);
        run_.sectionBands(*out_, env_, kind, group);
        env_.setKeys(nullptr);
    }

private:
    Value summary(int slot)
    {
        const auto& s = c_.summaries()[static_cast<std::size_t>(slot)];
        if (run_.aheadReady_) {
            const auto& values = run_.ahead_[static_cast<std::size_t>(slot)];
            const int i = instance_[s.level];
            return i >= 0 && i < static_cast<int>(values.size()) ? values[static_cast<std::size_t>(i)] : Value::null();
        }
        return running_[static_cast<std::size_t>(slot)].result(s.type);
    }

    void startGroup(int g)
    {
        ++instance_[g];
        if (out_) {
            // The texts of this group instance tell its condition fields, outer groups first.
            auto path = paths_[g - 1] ? std::make_shared<std::vector<layout::KeyField>>(*paths_[g - 1])
                                      : std::make_shared<std::vector<layout::KeyField>>();
            path->push_back({c_.def().groups[g - 1].field, groupValues_[g]});
            paths_[g] = std::move(path);
        }
        for (std::size_t s = 0; s < running_.size(); ++s) {
            if (c_.summaries()[s].level == g)
                running_[s].reset();
        }
        if (out_ && c_.def().groups[g - 1].keepTogether)
            out_->beginKeep();
        repeatable_[g] = false;
        printSections(SectionKind::GroupHeader, g);
        repeatable_[g] = c_.def().groups[g - 1].repeatHeader;
    }

    void endGroup(int g)
    {
        repeatable_[g] = false;
        printSections(SectionKind::GroupFooter, g);
        if (out_ && c_.def().groups[g - 1].keepTogether)
            out_->endKeep();
        finishLevel(g);
    }

    void finishLevel(int g)
    {
        if (out_)
            return;
        ahead.resize(running_.size());
        for (std::size_t s = 0; s < running_.size(); ++s) {
            if (c_.summaries()[s].level == g)
                ahead[s].push_back(running_[s].result(c_.summaries()[s].type));
        }
    }

    ReportRun& run_;
    CompiledReport& c_;
    BandOut* out_;
    const std::vector<std::pair<int, Value>> filters_;  // a copy: callers pass temporaries
    int levels_;
    RecordEnv env_;
    std::vector<grouping::Accumulator> running_;
    std::vector<int> instance_;
    std::vector<bool> repeatable_;
    std::vector<Value> groupValues_;         // per level: the group field's value for the record
    std::vector<layout::KeyFields> paths_;   // per level: the condition fields down to it
    qint64 records_ = 0;
    bool reportHeaderByPage_ = false;
};

ReportRun::ReportRun(ReportState& state, data::Connections& connections, RunObserver* observer, StyleTable* styles)
    : state_(state), connections_(connections), observer_(observer)
{
    if (!styles) {
        ownStyles_ = std::make_unique<StyleTable>();
        styles = ownStyles_.get();
    }
    styles_ = styles;
    compiled_ = std::make_unique<CompiledReport>(state_);
    printDate_ = basic::formatDate(basic::Clock::now(), QStringLiteral("Short Date"));
}

ReportRun::~ReportRun() = default;

void ReportRun::computeAhead(const std::vector<std::pair<int, Value>>& filters)
{
    aheadReady_ = false;
    if (!compiled_->needsSummariesAhead())
        return;
    Produce pass(*this, nullptr, filters);
    pass.run();
    ahead_ = std::move(pass.ahead);
    ahead_.resize(compiled_->summaries().size());
    aheadReady_ = true;
}

void ReportRun::layout(layout::PageModel& model)
{
    layout::setPaper(model, state_.def->page);
    layout::ModelSink sink(model);
    layoutPages(sink);
    model.setStyles(styles_->styles());
}

int ReportRun::layoutPages(layout::PageSink& sink, bool countFirst)
{
    int total = 0;
    if (countFirst || compiled_->usesTotalPageCount()) {
        // Formulas that show the page count need it before the pages are made: count them first.
        CountingSink counter;
        total = layout(counter, 0);
    }
    return layout(sink, total);
}

bool ReportRun::showsTotalPageCount() const
{
    for (const auto& section : state_.def->sections) {
        for (const auto& o : section.objects) {
            if (o.special == SpecialField::TotalPageCount || o.special == SpecialField::PageNofM)
                return true;
        }
    }
    return false;
}

int ReportRun::layout(layout::PageSink& sink, int totalPages)
{
    totalPages_ = totalPages;
    computeAhead({});
    const auto& d = *state_.def;
    int footerHeight = 0;
    for (const auto* s : d.sectionsOf(SectionKind::PageFooter)) {
        if (!s->suppress)
            footerHeight += s->height;
    }
    Produce* current = nullptr;
    layout::Paginator::Hooks hooks;
    hooks.header = [&](int page) {
        ListOut list(current ? 0 : 1);
        if (current) {
            // The first page opens with the report header, then the page header.
            if (page == 1)
                sectionBands(list, current->env(), SectionKind::ReportHeader, 0);
            sectionBands(list, current->env(), SectionKind::PageHeader, 0);
            for (int g = 1; g <= static_cast<int>(d.groups.size()); ++g) {
                if (current->repeatable(g))
                    sectionBands(list, current->env(), SectionKind::GroupHeader, g);
            }
        }
        return std::move(list.bands);
    };
    hooks.footer = [&](int) {
        ListOut list(1);
        if (current)
            sectionBands(list, current->env(), SectionKind::PageFooter, 0);
        return std::move(list.bands);
    };
    layout::Paginator paginator(d.page, sink, hooks, footerHeight);
    PaginatorOut out(paginator);
    // Produce keeps a reference to its filters: they must outlive it (a temporary would not).
    const std::vector<std::pair<int, Value>> noFilters;
    Produce pass(*this, &out, noFilters);
    pass.printReportHeaderWithFirstPage();
    current = &pass;
    pass.run();
    paginator.finish();
    recordsReported_ = pass.records();
    if (observer_)
        observer_->progress(pass.records());
    return paginator.pagesDone();
}

void ReportRun::embeddedBands(BandOut& out, const std::vector<std::pair<int, Value>>& filters, int page)
{
    Q_UNUSED(page);
    computeAhead(filters);
    Produce pass(*this, &out, filters);
    pass.run();
}

void ReportRun::sectionBands(BandOut& out, RecordEnv& env, SectionKind kind, int group)
{
    for (auto& cs : compiled_->sections()) {
        if (cs.def->kind != kind || cs.def->group != group || cs.def->suppress)
            continue;
        if (cs.suppressWhen && env.evaluate(*cs.suppressWhen, QStringLiteral("The suppress condition of a section")).isTrue())
            continue;
        out.add(makeBand(cs, env));
        if (cs.hasSubreport) {
            for (const auto& o : cs.objects) {
                if (o.def->kind == ObjectKind::Subreport)
                    subreportBands(out, env, o);
            }
        }
    }
}

Band ReportRun::makeBand(CompiledSection& cs, RecordEnv& env)
{
    const auto& s = *cs.def;
    Band band;
    band.kind = s.kind;
    band.height = s.height;
    band.keepTogether = s.keepTogether;
    band.newPageBefore = s.newPageBefore;
    band.newPageAfter = s.newPageAfter;
    band.items.reserve(cs.objects.size());
    for (auto& co : cs.objects) {
        const auto& o = *co.def;
        if (o.kind == ObjectKind::Subreport)
            continue;
        PageItem item;
        item.section = s.kind;
        item.group = s.group;
        item.rect = QRect(o.x, o.y, o.width, o.height);
        item.name = o.name;
        item.color = co.color;
        item.canGrow = o.canGrow;
        item.record = env.recordNumber();
        if (s.kind == SectionKind::Details || s.kind == SectionKind::GroupHeader || s.kind == SectionKind::GroupFooter)
            item.keys = env.keys();
        switch (o.kind) {
        case ObjectKind::Line: item.kind = PageItem::Kind::Line; item.thickness = o.thickness; break;
        case ObjectKind::Box:
            item.kind = PageItem::Kind::Box;
            item.thickness = o.thickness;
            item.fill = co.fill;
            break;
        case ObjectKind::Picture:
            item.kind = PageItem::Kind::Picture;
            item.text = QFileInfo(o.picture).isAbsolute() || state_.baseDir.isEmpty() ? o.picture
                                                                                     : QDir(state_.baseDir).filePath(o.picture);
            break;
        case ObjectKind::Text:
        case ObjectKind::Field: {
            item.kind = PageItem::Kind::Text;
            if (co.style < 0)
                co.style = styles_->index({o.font.family, o.font.size, o.font.bold, o.font.italic, o.font.underline, o.alignment,
                                           item.color});
            item.style = co.style;
            if (o.kind == ObjectKind::Text) {
                item.text = o.text;
                item.record = 0;
            } else if (co.summary >= 0) {
                static const char* ops[] = {"", "Sum", "Count", "Average", "Minimum", "Maximum", "DistinctCount"};
                const Value v = env.summary(co.summary);
                item.text = v.display(o.format);
                item.value = v;
                item.source = o.summaryGroup > 0
                                  ? QStringLiteral("%1(%2, %3)").arg(QString::fromLatin1(ops[static_cast<int>(o.summary)]), o.source,
                                                                     state_.def->groups[o.summaryGroup - 1].field)
                                  : QStringLiteral("%1(%2)").arg(QString::fromLatin1(ops[static_cast<int>(o.summary)]), o.source);
            } else if (o.special != SpecialField::None) {
                item.special = o.special;
                switch (o.special) {
                case SpecialField::PageNumber: item.source = QStringLiteral("PageNumber"); break;
                case SpecialField::TotalPageCount:
                    item.source = QStringLiteral("TotalPageCount");
                    item.text = QString::number(totalPages_);
                    break;
                case SpecialField::PageNofM: item.source = QStringLiteral("PageNofM"); break;
                case SpecialField::PrintDate:
                    item.source = QStringLiteral("PrintDate");
                    item.text = o.format.isEmpty() ? printDate_ : basic::formatDate(basic::Clock::now(), o.format);
                    item.value = Value::ofDateTime(basic::toSerial(basic::Clock::now()));
                    break;
                case SpecialField::RecordNumber:
                    item.source = QStringLiteral("RecordNumber");
                    item.text = QString::number(env.recordNumber());
                    item.value = Value::ofNumber(static_cast<double>(env.recordNumber()));
                    break;
                case SpecialField::None: break;
                }
            } else {
                const Value v = env.evaluate(*co.value, [&o] { return QStringLiteral("The field %1").arg(o.source); });
                item.text = v.display(o.format);
                item.value = v;
                item.source = o.source;
            }
            if (o.canGrow && !item.text.isEmpty()) {
                // One item per line, so that a long text can go on over a page break.
                const QStringList lines = layout::wrapLines(item.text, o.font, o.width);
                if (lines.size() > 1) {
                    const int h = layout::lineHeight(o.font);
                    for (qsizetype l = 0; l < lines.size(); ++l) {
                        PageItem line = item;
                        line.text = lines[l];
                        line.continued = l > 0;
                        line.rect = QRect(o.x, o.y + static_cast<int>(l) * h, o.width, h);
                        band.height = std::max(band.height, line.rect.bottom() + 1);
                        band.items.push_back(std::move(line));
                    }
                    continue;
                }
            }
            break;
        }
        case ObjectKind::Subreport: break;
        }
        band.height = std::max(band.height, item.rect.bottom() + 1);
        band.items.push_back(std::move(item));
    }
    return band;
}

ReportRun& ReportRun::subreportRun(const QString& name)
{
    const QString key = name.toUpper();
    auto it = subruns_.find(key);
    if (it != subruns_.end())
        return *it->second;
    auto sub = state_.subreport(name);
    if (!sub)
        raiseRuntimeError(rterr::NoSuchSubreport, rterr::source(), QStringLiteral("The report has no sub-report %1").arg(name));
    auto run = std::make_unique<ReportRun>(*sub, connections_, nullptr, styles_);
    return *subruns_.emplace(key, std::move(run)).first->second;
}

void ReportRun::subreportBands(BandOut& out, RecordEnv& env, const CompiledObject& object)
{
    const auto& o = *object.def;
    ReportRun& sub = subreportRun(o.subreport);
    auto& links = links_[&o];
    if (links.empty() && !o.links.empty()) {
        for (const auto& l : o.links) {
            formula::CompileError e;
            auto parent = Formula::compile(l.parentField, *compiled_, e);
            if (!parent)
                raiseRuntimeError(rterr::FormulaInvalid, rterr::source(),
                                  QStringLiteral("The link of sub-report %1 is not valid: %2").arg(o.subreport, e.describe(l.parentField)));
            const auto child = definition::FieldRef::parse(l.childField);
            const int index = sub.compiled().fieldIndex(child.table, child.name);
            if (index < 0)
                raiseRuntimeError(rterr::FormulaInvalid, rterr::source(),
                                  QStringLiteral("The link of sub-report %1 names %2, which is not a field of the sub-report")
                                      .arg(o.subreport, l.childField));
            links.emplace_back(std::move(parent), index);
        }
    }
    std::vector<std::pair<int, Value>> filters;
    for (const auto& [parent, index] : links)
        filters.emplace_back(index, env.evaluate(*parent, [&o] { return QStringLiteral("The link of sub-report %1").arg(o.subreport); }));
    ListOut list(out.page());
    sub.embeddedBands(list, filters, out.page());
    for (auto& b : list.bands) {
        if (b.kind == SectionKind::PageHeader || b.kind == SectionKind::PageFooter)
            continue;
        for (auto& i : b.items) {
            i.rect.translate(o.x, 0);
            i.fromSubreport = true;
        }
        out.add(std::move(b));
    }
}

}  // namespace orx::reportrt::run
