#include "platform/runtime/TypInfo.h"

#include "platform/runtime/Colors.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/FloatFormat.h"
#include "platform/runtime/SysUtils.h"

namespace {

[[noreturn]] void PropError(const TObject *instance, const QString &path, const QString &reason)
{
    throw EPropertyError(QStringLiteral("%1.%2: %3").arg(instance->ClassName(), path, reason));
}

// Resolves the path or raises.
std::pair<TObject *, const TPropInfo *> Resolve(const TObject *instance, const QString &path)
{
    TObject *target = nullptr;
    const TPropInfo *prop = nullptr;
    if (!ResolvePropPath(const_cast<TObject *>(instance), path, target, prop))
        PropError(instance, path, QStringLiteral("property does not exist"));
    return {target, prop};
}

void NeedKind(const TObject *instance, const QString &path, const TPropInfo *, bool ok)
{
    if (!ok)
        PropError(instance, path, QStringLiteral("property is of another kind"));
}

void NeedWritable(const TObject *instance, const QString &path, bool ok)
{
    if (!ok)
        PropError(instance, path, QStringLiteral("property is read-only"));
}

}  // namespace

const TPropInfo *GetPropInfo(const TObject *instance, const QString &name)
{
    return instance ? instance->ClassType().FindProperty(name) : nullptr;
}

const std::vector<TPropInfo> &GetPropList(const TObject *instance)
{
    return instance->ClassType().Properties();
}

bool IsPublishedProp(const TObject *instance, const QString &name)
{
    return GetPropInfo(instance, name) != nullptr;
}

bool ResolvePropPath(TObject *instance, const QString &path, TObject *&target, const TPropInfo *&prop)
{
    target = nullptr;
    prop = nullptr;
    if (!instance || path.isEmpty())
        return false;
    const QStringList parts = path.split(u'.');
    TObject *current = instance;
    for (int i = 0; i < parts.size(); ++i) {
        const TPropInfo *p = current->ClassType().FindProperty(parts[i]);
        if (!p)
            return false;
        if (i + 1 == parts.size()) {
            target = current;
            prop = p;
            return true;
        }
        if (p->Kind != TTypeKind::Class || p->IsReference)
            return false;
        current = p->GetObject(*current);
        if (!current)
            return false;
    }
    return false;
}

TTypeKind PropKind(const TObject *instance, const QString &path)
{
    TObject *target = nullptr;
    const TPropInfo *prop = nullptr;
    return ResolvePropPath(const_cast<TObject *>(instance), path, target, prop) ? prop->Kind : TTypeKind::Unknown;
}

std::int64_t GetOrdProp(const TObject *instance, const QString &path)
{
    auto [target, prop] = Resolve(instance, path);
    NeedKind(instance, path, prop, IsOrdinalKind(prop->Kind));
    return prop->GetOrd(*target);
}

void SetOrdProp(TObject *instance, const QString &path, std::int64_t value)
{
    auto [target, prop] = Resolve(instance, path);
    NeedKind(instance, path, prop, IsOrdinalKind(prop->Kind));
    NeedWritable(instance, path, static_cast<bool>(prop->SetOrd));
    prop->SetOrd(*target, value);
}

double GetFloatProp(const TObject *instance, const QString &path)
{
    auto [target, prop] = Resolve(instance, path);
    NeedKind(instance, path, prop, prop->Kind == TTypeKind::Float);
    return prop->GetFloat(*target);
}

void SetFloatProp(TObject *instance, const QString &path, double value)
{
    auto [target, prop] = Resolve(instance, path);
    NeedKind(instance, path, prop, prop->Kind == TTypeKind::Float);
    NeedWritable(instance, path, static_cast<bool>(prop->SetFloat));
    prop->SetFloat(*target, value);
}

QString GetStrProp(const TObject *instance, const QString &path)
{
    auto [target, prop] = Resolve(instance, path);
    NeedKind(instance, path, prop, prop->Kind == TTypeKind::String);
    return prop->GetStr(*target);
}

void SetStrProp(TObject *instance, const QString &path, const QString &value)
{
    auto [target, prop] = Resolve(instance, path);
    NeedKind(instance, path, prop, prop->Kind == TTypeKind::String);
    NeedWritable(instance, path, static_cast<bool>(prop->SetStr));
    prop->SetStr(*target, value);
}

TObject *GetObjectProp(const TObject *instance, const QString &path)
{
    auto [target, prop] = Resolve(instance, path);
    NeedKind(instance, path, prop, prop->Kind == TTypeKind::Class);
    return prop->GetObject(*target);
}

void SetObjectProp(TObject *instance, const QString &path, TObject *value)
{
    auto [target, prop] = Resolve(instance, path);
    NeedKind(instance, path, prop, prop->Kind == TTypeKind::Class);
    NeedWritable(instance, path, static_cast<bool>(prop->SetObject));
    if (value && prop->ObjectClass() && !value->InheritsFrom(*prop->ObjectClass()))
        PropError(instance, path, QStringLiteral("a %1 is not a %2").arg(value->ClassName(), prop->ObjectClass()->Name()));
    prop->SetObject(*target, value);
}

QString GetEnumProp(const TObject *instance, const QString &path)
{
    auto [target, prop] = Resolve(instance, path);
    NeedKind(instance, path, prop, prop->Kind == TTypeKind::Enumeration || prop->Kind == TTypeKind::Boolean);
    QString ident;
    std::int64_t v = prop->GetOrd(*target);
    return OrdToIdent(*prop, v, ident) ? ident : QString::number(v);
}

void SetEnumProp(TObject *instance, const QString &path, const QString &value)
{
    auto [target, prop] = Resolve(instance, path);
    NeedKind(instance, path, prop, prop->Kind == TTypeKind::Enumeration || prop->Kind == TTypeKind::Boolean);
    NeedWritable(instance, path, static_cast<bool>(prop->SetOrd));
    std::int64_t v = 0;
    if (!IdentToOrd(*prop, value, v))
        throw EConvertError(QStringLiteral("%1.%2: '%3' is not a valid value").arg(instance->ClassName(), path, value));
    prop->SetOrd(*target, v);
}

bool IdentToOrd(const TPropInfo &prop, const QString &ident, std::int64_t &value)
{
    switch (prop.Kind) {
    case TTypeKind::Boolean:
        if (SameText(ident, QStringLiteral("True")) || SameText(ident, QStringLiteral("False"))) {
            value = SameText(ident, QStringLiteral("True")) ? 1 : 0;
            return true;
        }
        return false;
    case TTypeKind::Enumeration:
        for (int i = 0; i < prop.EnumNames.size(); ++i)
            if (SameText(prop.EnumNames[i], ident)) {
                value = i;
                return true;
            }
        return false;
    case TTypeKind::Integer:
    case TTypeKind::Color:
        for (const TIdentMapEntry &e : prop.Idents)
            if (SameText(QString::fromLatin1(e.Name), ident)) {
                value = e.Value;
                return true;
            }
        if (prop.Kind == TTypeKind::Color && prop.Idents.empty()) {
            if (auto c = IdentToColor(ident.toStdString())) {
                value = *c;
                return true;
            }
        }
        return false;
    default:
        return false;
    }
}

bool OrdToIdent(const TPropInfo &prop, std::int64_t value, QString &ident)
{
    switch (prop.Kind) {
    case TTypeKind::Boolean:
        ident = value ? QStringLiteral("True") : QStringLiteral("False");
        return true;
    case TTypeKind::Enumeration:
        if (value >= 0 && value < prop.EnumNames.size()) {
            ident = prop.EnumNames[static_cast<int>(value)];
            return true;
        }
        return false;
    case TTypeKind::Integer:
    case TTypeKind::Color:
        for (const TIdentMapEntry &e : prop.Idents)
            if (e.Value == value) {
                ident = QString::fromLatin1(e.Name);
                return true;
            }
        if (prop.Kind == TTypeKind::Color && prop.Idents.empty()) {
            if (auto name = ColorToIdent(static_cast<TColor>(value))) {
                ident = QString::fromStdString(*name);
                return true;
            }
        }
        return false;
    default:
        return false;
    }
}

bool SetNamesToMask(const TPropInfo &prop, const QStringList &names, std::int64_t &mask)
{
    std::int64_t m = 0;
    for (const QString &n : names) {
        QString name = n.trimmed();
        if (name.isEmpty())
            continue;
        int bit = -1;
        for (int i = 0; i < prop.EnumNames.size(); ++i)
            if (SameText(prop.EnumNames[i], name))
                bit = i;
        if (bit < 0)
            return false;
        m |= std::int64_t{1} << bit;
    }
    mask = m;
    return true;
}

QStringList MaskToSetNames(const TPropInfo &prop, std::int64_t mask)
{
    QStringList names;
    for (int i = 0; i < prop.EnumNames.size() && i < 64; ++i)
        if (mask & (std::int64_t{1} << i))
            names << prop.EnumNames[i];
    return names;
}

QString GetPropValueText(const TObject *instance, const QString &path)
{
    auto [target, prop] = Resolve(instance, path);
    switch (prop->Kind) {
    case TTypeKind::Integer:
    case TTypeKind::Boolean:
    case TTypeKind::Enumeration:
    case TTypeKind::Color: {
        std::int64_t v = prop->GetOrd(*target);
        QString ident;
        if (OrdToIdent(*prop, v, ident))
            return ident;
        if (prop->Kind == TTypeKind::Color)
            return QString::fromStdString(ColorToString(static_cast<TColor>(v)));
        return QString::number(v);
    }
    case TTypeKind::Set:
        return u'[' + MaskToSetNames(*prop, prop->GetOrd(*target)).join(u',') + u']';
    case TTypeKind::Float:
        return FloatToStrF(prop->GetFloat(*target), ffGeneral, 15, 0);
    case TTypeKind::String:
        return prop->GetStr(*target);
    case TTypeKind::Variant: return prop->GetVariant(*target).toString();
    case TTypeKind::Class: {
        TObject *o = prop->GetObject(*target);
        auto *c = dynamic_cast<TComponent *>(o);
        return c ? c->Name() : QString();
    }
    case TTypeKind::Method:
        return prop->GetHandlerName(*target);
    case TTypeKind::Unknown:
        break;
    }
    return QString();
}

void SetPropValueText(TObject *instance, const QString &path, const QString &text)
{
    auto [target, prop] = Resolve(instance, path);
    auto bad = [&]() {
        throw EConvertError(QStringLiteral("%1.%2: '%3' is not a valid value").arg(instance->ClassName(), path, text));
    };
    QString t = Trim(text);
    switch (prop->Kind) {
    case TTypeKind::Integer:
    case TTypeKind::Boolean:
    case TTypeKind::Enumeration:
    case TTypeKind::Color: {
        NeedWritable(instance, path, static_cast<bool>(prop->SetOrd));
        std::int64_t v = 0;
        if (!IdentToOrd(*prop, t, v) && !TryStrToInt64(t, v))
            bad();
        prop->SetOrd(*target, v);
        return;
    }
    case TTypeKind::Set: {
        NeedWritable(instance, path, static_cast<bool>(prop->SetOrd));
        QString inner = t;
        if (inner.startsWith(u'[') && inner.endsWith(u']'))
            inner = inner.mid(1, inner.size() - 2);
        std::int64_t mask = 0;
        if (!SetNamesToMask(*prop, inner.split(u','), mask) && !TryStrToInt64(t, mask))
            bad();
        prop->SetOrd(*target, mask);
        return;
    }
    case TTypeKind::Float: {
        NeedWritable(instance, path, static_cast<bool>(prop->SetFloat));
        double v = 0;
        if (!TryStrToFloat(t, v))
            bad();
        prop->SetFloat(*target, v);
        return;
    }
    case TTypeKind::String:
        NeedWritable(instance, path, static_cast<bool>(prop->SetStr));
        prop->SetStr(*target, text);
        return;
    case TTypeKind::Variant:
        NeedWritable(instance, path, static_cast<bool>(prop->SetVariant));
        prop->SetVariant(*target, QVariant(text));
        return;
    default:
        PropError(instance, path, QStringLiteral("property cannot be set from text"));
    }
}
