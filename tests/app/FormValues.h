#pragma once
// Reading the committed form definitions the way the program reads them, one object at a time:
// the values a definition gives its objects, whatever it writes and whatever it leaves at the
// class's default, and checks of those values against a table of the values the windows must hold.
//
// A row names a form, a set of its objects and a property path, and the value they must hold:
//   objects  "fftDraw*"                   every object whose name matches (case ignored)
//            "TRzBmpButton:*"             every object of that class whose name matches
//            "pbLevelInA|pbLevelInB"      any of the alternatives
//            ""                           the form itself
//   value    "True", "$00880000", "clHighlightText", "gsCustom", "966", "Frequency "
//            "56..70"                     an integer within the bounds
//            "5|6"                        any of the alternatives
//            "(written)"                  the definition writes the path (or a path below it)
//            "BW -6;BL -6;..."            with `list`: the lines of a string list
//   count    All: every matched object holds it; n: exactly n of them do (with an empty path,
//            exactly n objects match)
//   departure  a value the windows knowingly do not hold, and why: the row must still fail, so that
//            the list of departures stays true
// `form` may list several forms separated by ",", for counts across windows.

#include "platform/runtime/ClassRegistry.h"
#include "platform/runtime/Classes.h"
#include "platform/runtime/FormData.h"
#include "platform/runtime/FormReader.h"
#include "platform/runtime/StringList.h"
#include "platform/runtime/TypInfo.h"
#include "widgets/graphics/AdvSmoothSplashScreen.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace formvalues {

constexpr int All = -1;

struct StatedValue {
    const char *form;
    const char *objects;
    const char *path = "";
    const char *value = "";
    int count = All;
    bool list = false;
    const char *departure = nullptr;
};

// One object of a definition and the form it belongs to.
struct Found {
    QString form;
    const TFormObject *object = nullptr;
    bool root = false;
};

class Definitions {
public:
    const TFormObject &Of(const QString &form)
    {
        auto it = trees_.find(form);
        if (it == trees_.end())
            it = trees_.emplace(form, ParseFormText(LoadFormResourceText(form), form + ".dfm")).first;
        return it->second;
    }

    // The objects of `form` that `pattern` names (see the head of this file).
    std::vector<Found> Match(const QString &form, const QString &pattern)
    {
        std::vector<Found> out;
        const TFormObject &root = Of(form);
        if (pattern.isEmpty()) {
            out.push_back({form, &root, true});
            return out;
        }
        std::vector<std::pair<QString, QRegularExpression>> alternatives;
        for (const QString &alternative : pattern.split(u'|')) {
            QString cls;
            QString glob = alternative;
            if (const qsizetype colon = alternative.indexOf(u':'); colon >= 0) {
                cls = alternative.left(colon);
                glob = alternative.mid(colon + 1);
            }
            alternatives.emplace_back(cls, QRegularExpression(QRegularExpression::wildcardToRegularExpression(glob),
                                                              QRegularExpression::CaseInsensitiveOption));
        }
        Walk(root, [&](const TFormObject &o) {
            for (const auto &[cls, name] : alternatives)
                if ((cls.isEmpty() || o.ClassName.compare(cls, Qt::CaseInsensitive) == 0) &&
                    name.match(o.Name).hasMatch()) {
                    out.push_back({form, &o, false});
                    return;
                }
        });
        return out;
    }

    // The object as the program reads it, alone: its own properties without events and
    // references to other components; a form's own properties read into a plain form.
    TComponent *Loaded(const Found &found)
    {
        auto it = loaded_.find(found.object);
        if (it != loaded_.end())
            return it->second.get();
        TFormObject alone;
        alone.Name = found.object->Name;
        alone.ClassName = found.root ? QStringLiteral("TForm") : found.object->ClassName;
        alone.Line = found.object->Line;
        const TClassInfo *cls = GetClass(alone.ClassName);
        for (const TFormProperty &p : found.object->Properties) {
            const TPropInfo *prop = cls ? cls->FindProperty(p.Path.section(u'.', 0, 0)) : nullptr;
            if (prop && (prop->Kind == TTypeKind::Method || (prop->Kind == TTypeKind::Class && prop->IsReference)))
                continue;
            if (!prop && found.root)
                continue;
            alone.Properties.push_back(p);
        }
        std::unique_ptr<TComponent> component(
            CreateComponentFromText(PrintFormText(alone), found.form + ".dfm", nullptr));
        // A splash screen shows itself when read; the table only reads its settings.
        if (auto *splash = dynamic_cast<TAdvSmoothSplashScreen *>(component.get()))
            splash->Hide();
        return loaded_.emplace(found.object, std::move(component)).first->second.get();
    }

private:
    template <class F>
    static void Walk(const TFormObject &o, const F &f)
    {
        for (const TFormObject &child : o.Children) {
            f(child);
            Walk(child, f);
        }
    }

    std::map<QString, TFormObject> trees_;
    std::map<const TFormObject *, std::unique_ptr<TComponent>> loaded_;
};

// Whether the definition writes `path` or a path below it for the object.
inline bool Written(const TFormObject &o, const QString &path)
{
    for (const TFormProperty &p : o.Properties)
        if (p.Path.compare(path, Qt::CaseInsensitive) == 0 || p.Path.startsWith(path + u'.', Qt::CaseInsensitive))
            return true;
    return false;
}

inline bool IsEvent(const TFormObject &o, const QString &path)
{
    const TClassInfo *cls = GetClass(o.ClassName);
    const TPropInfo *prop = cls ? cls->FindProperty(path) : nullptr;
    return prop && prop->Kind == TTypeKind::Method;
}

// The text the definition writes for `path` (an identifier or a quoted text); empty when it writes none.
inline QString WrittenText(const TFormObject &o, const QString &path)
{
    for (const TFormProperty &p : o.Properties)
        if (p.Path.compare(path, Qt::CaseInsensitive) == 0)
            return p.Value.Text;
    return QString();
}

inline std::optional<std::int64_t> Integer(const QString &text)
{
    bool ok = false;
    const std::int64_t v = text.startsWith(u'$') ? text.mid(1).toLongLong(&ok, 16) : text.toLongLong(&ok, 10);
    return ok ? std::optional<std::int64_t>(v) : std::nullopt;
}

// Whether the property at `path` of `instance` holds `expected`; `actual` gets the value's text.
inline bool Holds(TObject *instance, const QString &path, const QString &expected, bool list, QString &actual)
{
    TObject *target = nullptr;
    const TPropInfo *prop = nullptr;
    if (!ResolvePropPath(instance, path, target, prop)) {
        actual = QStringLiteral("(no such property)");
        return false;
    }
    if (list) {
        auto *strings = dynamic_cast<TStrings *>(prop->GetObject(*target));
        actual = strings ? strings->Text().trimmed().replace(u'\n', u';').remove(u'\r') : QStringLiteral("(no list)");
        return actual == expected;
    }
    actual = GetPropValueText(instance, path);
    for (const QString &alternative : expected.split(u'|')) {
        if (prop->Kind == TTypeKind::Float) {
            const double want = alternative.toDouble();
            if (std::abs(prop->GetFloat(*target) - want) < 1e-9)
                return true;
            continue;
        }
        if (!IsOrdinalKind(prop->Kind)) {
            if (actual == alternative)
                return true;
            continue;
        }
        const std::int64_t have = prop->GetOrd(*target);
        if (const qsizetype dots = alternative.indexOf(QStringLiteral("..")); dots > 0) {
            const auto low = Integer(alternative.left(dots));
            const auto high = Integer(alternative.mid(dots + 2));
            if (low && high && *low <= have && have <= *high)
                return true;
            continue;
        }
        std::int64_t want = 0;
        if (prop->Kind == TTypeKind::Set) {
            QString inner = alternative;
            inner.remove(u'[').remove(u']').remove(u' ');
            if (SetNamesToMask(*prop, inner.isEmpty() ? QStringList() : inner.split(u','), want) && want == have)
                return true;
            continue;
        }
        if (const auto number = Integer(alternative))
            want = *number;
        else if (!IdentToOrd(*prop, alternative, want))
            continue;
        if (want == have)
            return true;
    }
    return false;
}

// Whether the row holds; `why` gets what differs.
inline bool RowHolds(Definitions &definitions, const StatedValue &row, std::string &why)
{
    std::vector<Found> found;
    for (const QString &form : QString::fromLatin1(row.form).split(u','))
        for (const Found &f : definitions.Match(form, QString::fromLatin1(row.objects)))
            found.push_back(f);
    const QString path = QString::fromLatin1(row.path);
    if (path.isEmpty()) {
        why = std::to_string(found.size()) + " objects";
        return static_cast<int>(found.size()) == row.count;
    }
    if (found.empty()) {
        why = "names no object";
        return false;
    }
    const QString expected = QString::fromUtf8(row.value);
    int holding = 0;
    QStringList misses;
    for (const Found &f : found) {
        bool holds = false;
        QString actual;
        if (expected == QLatin1String("(written)")) {
            holds = Written(*f.object, path);
            actual = holds ? QStringLiteral("written") : QStringLiteral("not written");
        } else if (IsEvent(*f.object, path)) {
            // Handlers belong to the form class: the definition names them.
            actual = WrittenText(*f.object, path);
            holds = expected.split(u'|').contains(actual);
        } else {
            try {
                holds = Holds(definitions.Loaded(f), path, expected, row.list, actual);
            } catch (const Exception &e) {
                actual = e.Message();
            }
        }
        if (holds)
            ++holding;
        else
            misses << QStringLiteral("%1.%2 is %3").arg(f.form, f.object->Name, actual);
    }
    if (row.count == All) {
        why = misses.join("\n  ").toStdString();
        return misses.isEmpty();
    }
    why = std::to_string(holding) + " of " + std::to_string(found.size()) + " objects hold it";
    return holding == row.count;
}

// Checks every row; a failure names the row, the object and what it holds.
inline void Check(Definitions &definitions, const std::vector<StatedValue> &rows)
{
    for (const StatedValue &row : rows) {
        const std::string what = QStringLiteral("%1 %2 %3 = %4 (%5)")
                                     .arg(QLatin1String(row.form), QLatin1String(row.objects),
                                          QLatin1String(row.path), QString::fromUtf8(row.value),
                                          row.count == All ? QStringLiteral("all") : QString::number(row.count))
                                     .toStdString();
        std::string why;
        const bool holds = RowHolds(definitions, row, why);
        if (row.departure)
            EXPECT_FALSE(holds) << what << " now holds: take it off the departures (" << row.departure << ")";
        else
            EXPECT_TRUE(holds) << what << ":\n  " << why;
    }
}

}  // namespace formvalues
