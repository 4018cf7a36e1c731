#include "platform/runtime/FormWriter.h"

#include "platform/runtime/Classes.h"
#include "platform/runtime/Collection.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/PropInfo.h"
#include "platform/runtime/TypInfo.h"

namespace {

TWriter::TPropertiesProc PropertiesProc(TComponent *root)
{
    return [root](TWriter &, TPersistent &instance, const QString &prefix, std::vector<TFormProperty> &out) {
        WriteObjectProperties(instance, root, prefix, out);
    };
}

QString ReferenceName(TComponent *target, TComponent *root)
{
    if (target == root || target->Owner() == root || !target->Owner())
        return target->Name();
    return target->Owner()->Name() + u'.' + target->Name();
}

void WriteOrdinal(const TPropInfo &pi, std::int64_t value, TFormValue &v)
{
    QString ident;
    if (pi.Kind == TTypeKind::Set) {
        v.kind = TFormValue::Kind::Set;
        v.Names = MaskToSetNames(pi, value);
    } else if (OrdToIdent(pi, value, ident)) {
        v = TFormValue::MakeIdent(ident);
    } else {
        v = TFormValue::MakeInt(value);
        if (pi.Kind == TTypeKind::Color) {
            v.Int = static_cast<std::uint32_t>(value);  // the colour's bit pattern
            v.HexWidth = 8;
        }
    }
}

// A variant as the form's value of its type; false for a type a form cannot hold.
bool WriteVariant(const QVariant &value, TFormValue &v)
{
    switch (value.typeId()) {
    case QMetaType::Nullptr: v = TFormValue::MakeIdent(QStringLiteral("Null")); return true;
    case QMetaType::Bool:
        v = TFormValue::MakeIdent(value.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
        return true;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar: v = TFormValue::MakeInt(value.toLongLong()); return true;
    case QMetaType::Double:
    case QMetaType::Float: v = TFormValue::MakeFloat(value.toDouble()); return true;
    case QMetaType::QString: v = TFormValue::MakeString(value.toString()); return true;
    default: return false;
    }
}

void WriteOwnedObject(TObject *sub, TComponent *root, const QString &path, std::vector<TFormProperty> &out)
{
    if (auto *collection = dynamic_cast<TCollection *>(sub)) {
        if (collection->Count() == 0)
            return;
        TWriter writer(out, path, PropertiesProc(root));
        writer.SetRoot(root);
        writer.WriteCollection(collection);
        return;
    }
    auto *persistent = dynamic_cast<TPersistent *>(sub);
    if (!persistent)
        return;
    std::vector<TFormProperty> inner;
    WriteObjectProperties(*persistent, root, path + u'.', inner);
    // A picture-like object that stores only its "Data" is written as "Path = {...}".
    if (inner.size() == 1 && inner[0].Value.kind == TFormValue::Kind::Binary && inner[0].Path == path + QStringLiteral(".Data")) {
        inner[0].Path = path;
    }
    for (TFormProperty &p : inner)
        out.push_back(std::move(p));
}

}  // namespace

void WriteObjectProperties(TPersistent &instance, TComponent *root, const QString &prefix, std::vector<TFormProperty> &out)
{
    for (const TPropInfo &pi : instance.ClassType().Properties()) {
        if (!pi.IsStored(instance))
            continue;
        const QString path = prefix + pi.Name;
        TFormValue v;
        if (IsOrdinalKind(pi.Kind)) {
            if (!pi.SetOrd || pi.IsDefault(instance))
                continue;
            WriteOrdinal(pi, pi.GetOrd(instance), v);
            out.push_back(TFormProperty{path, std::move(v), 0});
            continue;
        }
        switch (pi.Kind) {
        case TTypeKind::Float:
            if (!pi.SetFloat || pi.IsDefault(instance))
                continue;
            v = TFormValue::MakeFloat(pi.GetFloat(instance));
            break;
        case TTypeKind::String:
            if (!pi.SetStr || pi.IsDefault(instance))
                continue;
            v = TFormValue::MakeString(pi.GetStr(instance));
            break;
        case TTypeKind::Variant:
            if (!pi.SetVariant || pi.IsDefault(instance) || !WriteVariant(pi.GetVariant(instance), v))
                continue;
            break;
        case TTypeKind::Class: {
            TObject *sub = pi.GetObject(instance);
            if (!sub)
                continue;
            if (!pi.IsReference) {
                WriteOwnedObject(sub, root, path, out);
                continue;
            }
            auto *target = dynamic_cast<TComponent *>(sub);
            if (!pi.SetObject || !target || target->Name().isEmpty())
                continue;
            v = TFormValue::MakeIdent(ReferenceName(target, root));
            break;
        }
        case TTypeKind::Method: {
            QString name = pi.GetHandlerName(instance);
            if (name.isEmpty() || pi.GetHandlerTarget(instance) != root || !root->ClassType().FindHandler(name))
                continue;
            v = TFormValue::MakeIdent(name);
            break;
        }
        default:
            continue;
        }
        out.push_back(TFormProperty{path, std::move(v), 0});
    }
    TWriter writer(out, prefix, PropertiesProc(root));
    writer.SetRoot(root);
    instance.DefineProperties(&writer);
}

TFormObject WriteComponentToData(TComponent *root)
{
    struct Writer {
        TComponent *root;
        TFormObject Write(TComponent *c)
        {
            TFormObject o;
            o.Name = c->Name();
            o.ClassName = c->ClassName();
            c->SetComponentState(csWriting, true);
            try {
                WriteObjectProperties(*c, root, QString(), o.Properties);
                c->GetChildren([&](TComponent *child) { o.Children.push_back(Write(child)); }, root);
            } catch (...) {
                c->SetComponentState(csWriting, false);
                throw;
            }
            c->SetComponentState(csWriting, false);
            return o;
        }
    };
    return Writer{root}.Write(root);
}

QString WriteComponentToText(TComponent *root)
{
    return PrintFormText(WriteComponentToData(root));
}
