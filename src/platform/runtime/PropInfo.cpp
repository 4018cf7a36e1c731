#include "platform/runtime/PropInfo.h"

#include "platform/runtime/Exception.h"

void RaiseInvalidPropertyValue()
{
    throw EPropertyError(QStringLiteral("Invalid property value"));
}

bool TPropInfo::Writable() const
{
    if (IsOrdinalKind(Kind))
        return static_cast<bool>(SetOrd);
    switch (Kind) {
    case TTypeKind::Float:
        return static_cast<bool>(SetFloat);
    case TTypeKind::String:
        return static_cast<bool>(SetStr);
    case TTypeKind::Variant: return static_cast<bool>(SetVariant);
    case TTypeKind::Class:
        // An owned sub-object is written through its own properties even without a setter.
        return static_cast<bool>(SetObject) || !IsReference;
    case TTypeKind::Method:
        return static_cast<bool>(SetEvent);
    default:
        return false;
    }
}

bool TPropInfo::Readable() const
{
    return GetOrd || GetFloat || GetStr || GetVariant || GetObject || GetHandlerName;
}

bool TPropInfo::IsDefault(const TObject &instance) const
{
    if (IsOrdinalKind(Kind))
        return OrdDefault && GetOrd(instance) == *OrdDefault;
    switch (Kind) {
    case TTypeKind::Float:
        return GetFloat(instance) == FloatDefault.value_or(0.0);
    case TTypeKind::String:
        return GetStr(instance) == StrDefault.value_or(QString());
    case TTypeKind::Variant: return !GetVariant(instance).isValid();
    case TTypeKind::Class:
        return IsReference && GetObject(instance) == nullptr;
    case TTypeKind::Method:
        return GetHandlerName(instance).isEmpty();
    default:
        return true;
    }
}

bool TClassInfo::InheritsFrom(const TClassInfo &other) const
{
    for (const TClassInfo *c = this; c; c = c->parent_)
        if (c == &other)
            return true;
    return false;
}

const TPropInfo *TClassInfo::FindProperty(const QString &name) const
{
    const auto it = propIndex_.constFind(name.toCaseFolded());
    return it == propIndex_.constEnd() ? nullptr : &props_[*it];
}

void TClassInfo::IndexProperties()
{
    propIndex_.clear();
    // The builder keeps one entry per name; should a name come twice, the first one is found.
    for (std::size_t i = 0; i < props_.size(); ++i) {
        const QString key = props_[i].Name.toCaseFolded();
        if (!propIndex_.contains(key))
            propIndex_.insert(key, i);
    }
}

const THandlerInfo *TClassInfo::FindHandler(const QString &name) const
{
    for (const TClassInfo *c = this; c; c = c->parent_)
        for (const THandlerInfo &h : c->handlers_)
            if (h.Name.compare(name, Qt::CaseInsensitive) == 0)
                return &h;
    return nullptr;
}

const TMessageHandlerInfo *TClassInfo::FindMessageHandler(UINT msg) const
{
    for (const TMessageHandlerInfo &h : messages_)
        if (h.Msg == msg)
            return &h;
    return nullptr;
}

const TFieldInfo *TClassInfo::FindField(const QString &name) const
{
    for (const TClassInfo *c = this; c; c = c->parent_)
        for (const TFieldInfo &f : c->fields_)
            if (f.Name.compare(name, Qt::CaseInsensitive) == 0)
                return &f;
    return nullptr;
}
