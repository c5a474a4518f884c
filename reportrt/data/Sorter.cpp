#include "reportrt/data/Sorter.h"

#include "reportrt/ErrorNumbers.h"
#include "reportrt/RuntimeError.h"

#include <QDataStream>
#include <algorithm>

namespace orx::reportrt::data {

namespace {

void writeValues(QDataStream& out, const std::vector<Value>& values)
{
    out << static_cast<quint32>(values.size());
    for (const auto& v : values) {
        out << static_cast<quint8>(v.type);
        if (v.type == formula::Type::String)
            out << v.text;
        else if (v.type != formula::Type::Null)
            out << v.number;
    }
}

bool readValues(QDataStream& in, std::vector<Value>& values)
{
    quint32 n = 0;
    in >> n;
    if (in.status() != QDataStream::Ok)
        return false;
    values.resize(n);
    for (auto& v : values) {
        quint8 t = 0;
        in >> t;
        v.type = static_cast<formula::Type>(t);
        v.text.clear();
        v.number = 0;
        if (v.type == formula::Type::String)
            in >> v.text;
        else if (v.type != formula::Type::Null)
            in >> v.number;
    }
    return in.status() == QDataStream::Ok;
}

}  // namespace

struct Sorter::Run {
    QDataStream stream;
    SortKey head;
    std::size_t order = 0;  // the run's number, for stable merging
    bool valid = false;

    void advance()
    {
        valid = readValues(stream, head.keys) && readValues(stream, head.record);
    }
};

Sorter::Sorter(std::vector<bool> descending, std::size_t runLength)
    : descending_(std::move(descending)), runLength_(std::max<std::size_t>(runLength, 1))
{
}

Sorter::~Sorter() = default;

bool Sorter::less(const SortKey& a, const SortKey& b) const
{
    for (std::size_t i = 0; i < descending_.size(); ++i) {
        const int c = Value::compare(a.keys[i], b.keys[i]);
        if (c != 0)
            return descending_[i] ? c > 0 : c < 0;
    }
    return false;
}

void Sorter::add(std::vector<Value> keys, std::vector<Value> record)
{
    buffer_.push_back({std::move(keys), std::move(record)});
    if (buffer_.size() >= runLength_)
        spill();
}

void Sorter::spill()
{
    std::stable_sort(buffer_.begin(), buffer_.end(), [this](const SortKey& a, const SortKey& b) { return less(a, b); });
    auto file = std::make_unique<QTemporaryFile>();
    if (!file->open())
        raiseRuntimeError(rterr::DataReadFailed, rterr::source(),
                          QStringLiteral("Cannot sort the records: no temporary file (%1)").arg(file->errorString()));
    QDataStream out(file.get());
    for (const auto& r : buffer_) {
        writeValues(out, r.keys);
        writeValues(out, r.record);
    }
    if (out.status() != QDataStream::Ok || !file->flush())
        raiseRuntimeError(rterr::DataReadFailed, rterr::source(),
                          QStringLiteral("Cannot sort the records: the temporary file cannot be written (%1)").arg(file->errorString()));
    buffer_.clear();
    buffer_.shrink_to_fit();
    files_.push_back(std::move(file));
}

void Sorter::finish()
{
    finished_ = true;
    if (files_.empty()) {
        std::stable_sort(buffer_.begin(), buffer_.end(), [this](const SortKey& a, const SortKey& b) { return less(a, b); });
        return;
    }
    if (!buffer_.empty())
        spill();
    for (std::size_t i = 0; i < files_.size(); ++i) {
        files_[i]->seek(0);
        auto run = std::make_unique<Run>();
        run->stream.setDevice(files_[i].get());
        run->order = i;
        run->advance();
        runs_.push_back(std::move(run));
    }
}

bool Sorter::next(std::vector<Value>& record)
{
    if (runs_.empty()) {
        if (position_ >= buffer_.size())
            return false;
        record = std::move(buffer_[position_++].record);
        return true;
    }
    // Few runs (one per 50,000 records): a linear pick of the smallest head is enough.
    Run* best = nullptr;
    for (auto& r : runs_) {
        if (r->valid && (!best || less(r->head, best->head)))
            best = r.get();
    }
    if (!best)
        return false;
    record = std::move(best->head.record);
    best->advance();
    return true;
}

}  // namespace orx::reportrt::data
