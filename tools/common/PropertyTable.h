#pragma once

// One table per control owns every persisted property: its bag key, its
// default, how the control's state reads and stores it, and whether the
// preset file carries it (in the "General" section or in the section of the
// control's current kind). Reading and writing the property bag, the
// defaults of a new control and the presets all go through it, in orders
// the control lists once as a sequence of keys and hooks.
#include "platform/basic/BasicError.h"
#include "platform/basic/Convert.h"
#include "platform/basic/Logging.h"
#include "platform/host/OleColor.h"
#include "platform/host/PropertyBag.h"

#include <QLatin1String>
#include <QVariant>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

// The get and set of a row that keeps a member as it is (read back as its
// own type). They stand inside a control's table, where `T` names the
// control: ORX_PROPERTY_GET(d->caption_), ORX_PROPERTY_SET(d->caption_).
#define ORX_PROPERTY_GET(member) [](const T& t) { return QVariant::fromValue(t.member); }
#define ORX_PROPERTY_SET(member)                                                                                    \
    [](T& t, const QVariant& v) { t.member = v.value<std::remove_cvref_t<decltype(t.member)>>(); }

namespace orx::tools {

// How a value is converted to and from its text in a preset file.
enum class PropertyKind {
    Bool,    // "True" / "False"
    Int,     // a whole number
    Short,   // a whole number written as a 16-bit integer
    Double,  // a number
    Text,    // kept as it is
    Colour,  // an OLE colour, written as a signed 32-bit number
    Other,   // not carried by presets (fonts, pictures, variants)
};

enum class PresetSection { None, General, PerKind };

template <class Owner>
struct PropertySpec {
    const char* key;
    PropertyKind kind;
    QVariant defaultValue;
    QVariant (*get)(const Owner&);
    void (*set)(Owner&, const QVariant&);
    PresetSection preset = PresetSection::None;
    // A default that depends on the control (the ambient font); when set it
    // stands for defaultValue.
    QVariant (*dynamicDefault)(const Owner&) = nullptr;
    // Written to the bag only when this answers true (absent: always).
    bool (*persisted)(const Owner&) = nullptr;
    // The value presets keep, when it is not the one the bag keeps.
    QVariant (*presetGet)(const Owner&) = nullptr;
    // Whether the bag holds it; false for keys only presets carry.
    bool inBag = true;
    // The setter's range rule, where the control has one: a value it refuses
    // (a hand-edited preset, a damaged bag) is never stored by the table; the
    // key's default stands for it.
    bool (*accepts)(const Owner&, const QVariant&) = nullptr;
};

// A step of a sequence: a key of the table, or a hook to run at that point.
template <class Owner>
struct PropertyStep {
    using Hook = void (*)(Owner&);
    using BagHook = void (*)(Owner&, const host::PropertyBag&);

    PropertyStep(const char* k)  // NOLINT: a key stands for its step
        : key(k)
    {
    }
    // A hook to run at that point; one that takes the bag reads several of
    // its keys together (in a read only).
    template <class F>
        requires std::is_convertible_v<F, Hook>
    PropertyStep(F f)  // NOLINT: so does a hook
        : hook(f)
    {
    }
    template <class F>
        requires std::is_convertible_v<F, BagHook>
    PropertyStep(F f)  // NOLINT
        : bagHook(f)
    {
    }
    const char* key = nullptr;
    Hook hook = nullptr;
    BagHook bagHook = nullptr;
};

template <class Owner>
class PropertyTable {
public:
    using Entry = PropertySpec<Owner>;
    using Step = PropertyStep<Owner>;

    PropertyTable(std::initializer_list<Entry> specs)
        : specs_(specs)
    {
    }
    explicit PropertyTable(std::vector<Entry> specs)
        : specs_(std::move(specs))
    {
    }

    const std::vector<Entry>& specs() const { return specs_; }

    // The entry of a key; a key missing from the table is a programming
    // error of the control and is raised as such.
    const Entry& entry(const char* key) const
    {
        for (const Entry& s : specs_) {
            if (QLatin1String(s.key) == QLatin1String(key))
                return s;
        }
        throw basic::BasicError(5, QStringLiteral("PropertyTable"),
                                QStringLiteral("No property named ") + QLatin1String(key));
    }

    // The entry of a key, or null when the table keeps no such key.
    const Entry* find(const QString& key) const
    {
        for (const Entry& s : specs_) {
            if (key == QLatin1String(s.key))
                return &s;
        }
        return nullptr;
    }

    // Whether a value may be stored under a key: it fits the key's kind (a
    // Short is a 16-bit integer, an Int a 32-bit one) and its range rule
    // takes it. A key the table does not keep takes any value.
    bool accepts(const Owner& owner, const QString& key, const QVariant& value) const
    {
        const Entry* s = find(key);
        if (!s)
            return true;
        bool ok = true;
        const double number = value.toDouble(&ok);
        if (s->kind == PropertyKind::Short && (!ok || number < -32768.0 || number > 32767.0))
            return false;
        if (s->kind == PropertyKind::Int && (!ok || number < -2147483648.0 || number > 2147483647.0))
            return false;
        return acceptable(owner, *s, value);
    }

    QVariant defaultOf(const Owner& owner, const char* key) const { return defaultOf(owner, entry(key)); }

    static QVariant defaultOf(const Owner& owner, const Entry& s)
    {
        return s.dynamicDefault ? s.dynamicDefault(owner) : s.defaultValue;
    }

    // Each key of the sequence stores its default; hooks run in between.
    void applyDefaults(Owner& owner, std::initializer_list<Step> steps) const
    {
        for (const Step& step : steps) {
            if (step.hook)
                step.hook(owner);
            else
                set(owner, entry(step.key), defaultOf(owner, entry(step.key)));
        }
    }

    // Every key the bag keeps stores its default, in table order.
    void applyAllDefaults(Owner& owner) const
    {
        for (const Entry& s : specs_) {
            if (s.inBag)
                set(owner, s, defaultOf(owner, s));
        }
    }

    // Each key of the sequence read from the bag, a missing one as its default.
    void read(Owner& owner, const host::PropertyBag& bag, std::initializer_list<Step> steps) const
    {
        for (const Step& step : steps) {
            if (step.hook)
                step.hook(owner);
            else if (step.bagHook)
                step.bagHook(owner, bag);
            else
                set(owner, entry(step.key), readValue(owner, bag, step.key));
        }
    }

    // One key's value in the bag, or its default (also when the key's range
    // rule refuses the stored value).
    QVariant readValue(const Owner& owner, const host::PropertyBag& bag, const char* key) const
    {
        const Entry& s = entry(key);
        const QVariant v = bag.ReadProperty(QLatin1String(s.key), defaultOf(owner, s));
        return acceptable(owner, s, v) ? v : defaultOf(owner, s);
    }

    // Whether the key's range rule (if any) takes the value.
    static bool acceptable(const Owner& owner, const Entry& s, const QVariant& value)
    {
        return !s.accepts || s.accepts(owner, value);
    }

    // Each key of the sequence written to the bag (a value equal to its
    // default is left out by the bag itself).
    void write(Owner& owner, host::PropertyBag& bag, std::initializer_list<Step> steps) const
    {
        for (const Step& step : steps) {
            if (step.hook) {
                step.hook(owner);
                continue;
            }
            const Entry& s = entry(step.key);
            if (!s.persisted || s.persisted(owner))
                bag.WriteProperty(QLatin1String(s.key), s.get(owner), defaultOf(owner, s));
        }
    }

    // The value of a key as the preset file stores it.
    static QVariant presetValue(const Owner& owner, const Entry& s)
    {
        const QVariant v = s.presetGet ? s.presetGet(owner) : s.get(owner);
        switch (s.kind) {
        case PropertyKind::Colour: return QVariant(std::int32_t(v.value<host::OleColor>().value));
        case PropertyKind::Short: return QVariant(std::int16_t(v.toInt()));
        default: return v;
        }
    }

    // A preset's text converted for the key; a value that does not convert
    // (a hand-edited file) counts as missing: nullopt.
    static std::optional<QVariant> fromPreset(const Entry& s, const QVariant& stored)
    {
        if (!stored.isValid())
            return std::nullopt;
        try {
            switch (s.kind) {
            case PropertyKind::Bool: return QVariant(basic::cbool(stored));
            case PropertyKind::Int:
            case PropertyKind::Short: return QVariant(int(basic::clng(stored)));
            case PropertyKind::Double: return QVariant(basic::cdbl(stored));
            case PropertyKind::Colour:
                return QVariant::fromValue(host::OleColor{std::uint32_t(basic::clng(stored))});
            case PropertyKind::Text:
            case PropertyKind::Other: return QVariant(stored.toString());
            }
        } catch (const basic::BasicError&) {
            // A damaged value (a hand-edited file) counts as missing: the
            // key's default stands, which is the documented outcome.
            qCDebug(orx::lcTools) << "a preset value that does not convert is ignored:" << s.key << stored;
        }
        return std::nullopt;
    }

    // A preset's text converted for the key and passed through its range
    // rule: nullopt when the file lacks it, it does not convert, or the rule
    // refuses it.
    static std::optional<QVariant> fromPreset(const Owner& owner, const Entry& s, const QVariant& stored)
    {
        std::optional<QVariant> v = fromPreset(s, stored);
        if (v && !acceptable(owner, s, *v))
            return std::nullopt;
        return v;
    }

    static void set(Owner& owner, const Entry& s, const QVariant& value) { s.set(owner, value); }

private:
    std::vector<Entry> specs_;
};

}  // namespace orx::tools
