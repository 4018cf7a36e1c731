#include "platform/runtime/FormReader.h"

#include "platform/runtime/ClassRegistry.h"
#include "platform/runtime/Classes.h"
#include "platform/runtime/Collection.h"
#include "platform/runtime/Exception.h"
#include "platform/runtime/Filer.h"
#include "platform/runtime/FormData.h"
#include "platform/runtime/PropInfo.h"
#include "platform/runtime/SysUtils.h"
#include "platform/runtime/TypInfo.h"

#include <QFile>

#include <algorithm>
#include <climits>

namespace {

struct Fixup {
    TObject *instance;
    const TPropInfo *prop;
    QString name;
    int line;
    QString context;
};

class FormLoader {
public:
    FormLoader(TComponent *root, const QString &fileName) : root_(root), file_(fileName) {}

    // Reads everything; on failure destroys what it created and rethrows.
    void Load(const TFormObject &tree)
    {
        try {
            ReadRoot(tree);
            ResolveFixups();
            root_->Loaded();
            for (TComponent *c : loaded_)
                c->Loaded();
            ClearFlags();
        } catch (...) {
            ClearFlags();
            for (auto it = created_.rbegin(); it != created_.rend(); ++it)
                delete *it;
            throw;
        }
    }

private:
    [[noreturn]] void Fail(int line, const QString &what, const QString &reason) const
    {
        throw EReadError(QStringLiteral("%1(%2): %3: %4").arg(file_).arg(line).arg(what, reason));
    }

    static QString Describe(const TObject &obj, const QString &name, const QString &path)
    {
        QString who = name.isEmpty() ? obj.ClassName() : obj.ClassName() + u' ' + name;
        return path.isEmpty() ? who : who + u'.' + path;
    }

    void ClearFlags()
    {
        auto clear = [](TComponent *c) {
            c->SetComponentState(csLoading, false);
            c->SetComponentState(csReading, false);
        };
        clear(root_);
        for (TComponent *c : loaded_)
            clear(c);
    }

    void ReadRoot(const TFormObject &o)
    {
        context_ = o.Name;
        if (root_->ClassName().compare(o.ClassName, Qt::CaseInsensitive) != 0)
            Fail(o.Line, Describe(*root_, o.Name, QString()),
                 QStringLiteral("the definition is for class %1").arg(o.ClassName));
        root_->SetComponentState(csLoading, true);
        root_->SetComponentState(csReading, true);
        if (!o.Name.isEmpty() && root_->Name() != o.Name)
            NameRoot(o);
        ApplyAll(*root_, o.Properties);
        root_->SetComponentState(csReading, false);
        for (const TFormObject &child : o.Children)
            ReadChild(child, root_);
    }

    // The root takes the definition's name, numbered when its owner already has one of that name.
    void NameRoot(const TFormObject &o)
    {
        TComponent *owner = root_->Owner();
        QString name = o.Name;
        for (int n = 1; owner && owner->FindComponent(name) && owner->FindComponent(name) != root_; ++n)
            name = QStringLiteral("%1_%2").arg(o.Name).arg(n);
        Guard(o.Line, Describe(*root_, o.Name, QString()), [&] { root_->SetName(name); });
    }

    void ReadChild(const TFormObject &o, TComponent *parent)
    {
        context_ = o.Name;
        const TClassInfo *cls = GetClass(o.ClassName);
        QString what = o.Name.isEmpty() ? o.ClassName : o.ClassName + u' ' + o.Name;
        if (!cls)
            Fail(o.Line, what, QStringLiteral("class %1 not found").arg(o.ClassName));
        if (!cls->CanCreate())
            Fail(o.Line, what, QStringLiteral("class %1 cannot be created by name").arg(o.ClassName));
        TComponent *c = nullptr;
        Guard(o.Line, what, [&] { c = cls->Create(root_); });
        created_.push_back(c);
        loaded_.push_back(c);
        c->SetComponentState(csLoading, true);
        c->SetComponentState(csReading, true);
        Guard(o.Line, what, [&] {
            c->SetName(o.Name);
            c->SetParentComponent(parent);
        });
        ApplyAll(*c, o.Properties);
        c->SetComponentState(csReading, false);
        for (const TFormObject &child : o.Children)
            ReadChild(child, c);
        context_ = o.Name;
    }

    // Runs `step`; a framework exception becomes a read error at `line` (one already carrying a
    // position passes unchanged).
    template <class F>
    void Guard(int line, const QString &what, F step)
    {
        try {
            step();
        } catch (const EReadError &e) {
            if (e.Message().startsWith(file_ + u'('))
                throw;
            Fail(line, what, e.Message());
        } catch (const Exception &e) {
            Fail(line, what, e.Message());
        } catch (const std::exception &e) {
            Fail(line, what, QString::fromUtf8(e.what()));
        }
    }

    TReader::TApplyProc ApplyProc()
    {
        return [this](TReader &r, TPersistent &obj, const TFormProperty &p) { Apply(r, obj, p); };
    }

    void ApplyAll(TPersistent &obj, const std::vector<TFormProperty> &props)
    {
        for (const TFormProperty &p : props) {
            TReader reader(p.Value, file_, ApplyProc());
            reader.SetRoot(root_);
            Apply(reader, obj, p);
        }
    }

    void Apply(TReader &reader, TPersistent &obj, const TFormProperty &p)
    {
        QString what = Describe(obj, context_, p.Path);
        Guard(p.Line, what, [&] { ApplyPath(reader, obj, p, what); });
    }

    void ApplyPath(TReader &reader, TPersistent &obj, const TFormProperty &p, const QString &what)
    {
        const QStringList parts = p.Path.split(u'.');
        TObject *current = &obj;
        for (int i = 0; i + 1 < parts.size(); ++i) {
            const TPropInfo *pi = current->ClassType().FindProperty(parts[i]);
            if (!pi)
                Fail(p.Line, what, QStringLiteral("property %1 does not exist").arg(parts[i]));
            if (pi->Kind != TTypeKind::Class || pi->IsReference)
                Fail(p.Line, what, QStringLiteral("property %1 holds no object").arg(parts[i]));
            current = pi->GetObject(*current);
            if (!current)
                Fail(p.Line, what, QStringLiteral("property %1 is empty").arg(parts[i]));
        }
        const QString &last = parts.back();
        const TPropInfo *pi = current->ClassType().FindProperty(last);
        if (!pi) {
            auto *persistent = dynamic_cast<TPersistent *>(current);
            if (persistent && reader.ReadDefined(*persistent, last, p.Value))
                return;
            Fail(p.Line, what, QStringLiteral("property does not exist"));
        }
        SetValue(reader, *current, *pi, p, what);
    }

    void SetValue(TReader &reader, TObject &obj, const TPropInfo &pi, const TFormProperty &p, const QString &what)
    {
        const TFormValue &v = p.Value;
        auto invalid = [&]() { Fail(p.Line, what, QStringLiteral("invalid value for this property")); };
        if (!pi.Writable())
            Fail(p.Line, what, QStringLiteral("property is read-only"));
        switch (pi.Kind) {
        case TTypeKind::Integer:
        case TTypeKind::Color:
        case TTypeKind::Boolean:
        case TTypeKind::Enumeration: {
            std::int64_t ord = 0;
            if (v.kind == TFormValue::Kind::Integer && pi.Kind != TTypeKind::Enumeration)
                ord = v.Int;
            else if (v.kind == TFormValue::Kind::Ident && IdentToOrd(pi, v.Text, ord))
                ;
            else if (v.kind == TFormValue::Kind::Ident)
                Fail(p.Line, what, QStringLiteral("'%1' is not a valid value").arg(v.Text));
            else
                invalid();
            pi.SetOrd(obj, ord);
            return;
        }
        case TTypeKind::Set: {
            std::int64_t mask = 0;
            if (v.kind != TFormValue::Kind::Set)
                invalid();
            if (!SetNamesToMask(pi, v.Names, mask))
                Fail(p.Line, what, QStringLiteral("unknown set element in [%1]").arg(v.Names.join(QStringLiteral(", "))));
            pi.SetOrd(obj, mask);
            return;
        }
        case TTypeKind::Float:
            if (v.kind == TFormValue::Kind::Float)
                pi.SetFloat(obj, v.Float);
            else if (v.kind == TFormValue::Kind::Integer)
                pi.SetFloat(obj, static_cast<double>(v.Int));
            else
                invalid();
            return;
        case TTypeKind::String:
            // Binary data given to a text property is text of one byte per character (a stored
            // document, for example a label's rich text read from a file).
            if (v.kind == TFormValue::Kind::Binary) {
                pi.SetStr(obj, QString::fromLatin1(v.Bytes));
                return;
            }
            if (v.kind != TFormValue::Kind::String)
                invalid();
            pi.SetStr(obj, v.Text);
            return;
        case TTypeKind::Variant: pi.SetVariant(obj, VariantOf(v, invalid)); return;
        case TTypeKind::Class:
            SetObjectValue(reader, obj, pi, p, what);
            return;
        case TTypeKind::Method: {
            if (v.kind != TFormValue::Kind::Ident)
                invalid();
            const THandlerInfo *h = root_->ClassType().FindHandler(v.Text);
            if (!h)
                Fail(p.Line, what, QStringLiteral("handler %1 not found in %2").arg(v.Text, root_->ClassName()));
            if (!pi.EventSignature || h->Signature != *pi.EventSignature)
                Fail(p.Line, what, QStringLiteral("handler %1 does not fit this event").arg(v.Text));
            pi.SetEvent(obj, h->Make(root_));
            return;
        }
        case TTypeKind::Unknown:
            break;
        }
        invalid();
    }

    // A variant holds the value with the type it was written with: True and False, Null and
    // Unassigned are its named values.
    template <class Invalid>
    static QVariant VariantOf(const TFormValue &v, Invalid invalid)
    {
        switch (v.kind) {
        case TFormValue::Kind::Integer:
            return v.Int >= INT_MIN && v.Int <= INT_MAX ? QVariant(static_cast<int>(v.Int))
                                                        : QVariant(static_cast<qlonglong>(v.Int));
        case TFormValue::Kind::Float: return QVariant(v.Float);
        case TFormValue::Kind::String: return QVariant(v.Text);
        case TFormValue::Kind::Ident:
            if (SameText(v.Text, QStringLiteral("True")) || SameText(v.Text, QStringLiteral("False")))
                return QVariant(SameText(v.Text, QStringLiteral("True")));
            if (SameText(v.Text, QStringLiteral("Null")))
                return QVariant::fromValue(nullptr);
            if (SameText(v.Text, QStringLiteral("Unassigned")))
                return QVariant();
            break;
        default: break;
        }
        invalid();
        return QVariant();
    }

    void SetObjectValue(TReader &reader, TObject &obj, const TPropInfo &pi, const TFormProperty &p, const QString &what)
    {
        const TFormValue &v = p.Value;
        if (pi.IsReference) {
            if (v.kind != TFormValue::Kind::Ident)
                Fail(p.Line, what, QStringLiteral("component name expected"));
            if (SameText(v.Text, QStringLiteral("nil")))
                pi.SetObject(obj, nullptr);
            else
                fixups_.push_back(Fixup{&obj, &pi, v.Text, p.Line, what});
            return;
        }
        TObject *sub = pi.GetObject(obj);
        if (v.kind == TFormValue::Kind::Collection) {
            auto *collection = dynamic_cast<TCollection *>(sub);
            if (!collection)
                Fail(p.Line, what, QStringLiteral("property holds no collection"));
            TReader items(v, file_, ApplyProc());
            items.SetRoot(root_);
            items.ReadCollection(collection);
            return;
        }
        if (v.kind == TFormValue::Kind::Binary) {
            auto *persistent = dynamic_cast<TPersistent *>(sub);
            if (persistent && reader.ReadDefined(*persistent, QStringLiteral("Data"), v))
                return;
            Fail(p.Line, what, QStringLiteral("property takes no binary data"));
        }
        Fail(p.Line, what, QStringLiteral("invalid value for this property"));
    }

    void ResolveFixups()
    {
        for (const Fixup &f : fixups_) {
            TComponent *target = SameText(f.name, root_->Name()) ? root_ : root_->FindComponent(f.name);
            if (!target)
                Fail(f.line, f.context, QStringLiteral("component %1 not found").arg(f.name));
            if (const TClassInfo *cls = f.prop->ObjectClass(); cls && !target->InheritsFrom(*cls))
                Fail(f.line, f.context, QStringLiteral("%1 is a %2, not a %3").arg(f.name, target->ClassName(), cls->Name()));
            Guard(f.line, f.context, [&] { f.prop->SetObject(*f.instance, target); });
        }
    }

    TComponent *root_;
    QString file_;
    QString context_;
    std::vector<TComponent *> created_;
    std::vector<TComponent *> loaded_;
    std::vector<Fixup> fixups_;
};

}  // namespace

void ReadComponentFromText(TComponent *root, const QString &text, const QString &fileName)
{
    TFormObject tree = ParseFormText(text, fileName);
    FormLoader(root, fileName).Load(tree);
}

TComponent *CreateComponentFromText(const QString &text, const QString &fileName, TComponent *owner)
{
    TFormObject tree = ParseFormText(text, fileName);
    const TClassInfo *cls = GetClass(tree.ClassName);
    if (!cls || !cls->CanCreate())
        throw EReadError(QStringLiteral("%1(%2): class %3 not found").arg(fileName).arg(tree.Line).arg(tree.ClassName));
    TComponent *root = cls->Create(owner);
    try {
        FormLoader(root, fileName).Load(tree);
    } catch (...) {
        delete root;
        throw;
    }
    return root;
}

QString FormResourcePath(const QString &resourceName)
{
    return QStringLiteral(":/forms/%1.dfm").arg(resourceName);
}

bool FormResourceExists(const QString &resourceName)
{
    return QFile::exists(FormResourcePath(resourceName));
}

QString LoadFormResourceText(const QString &resourceName)
{
    QFile file(FormResourcePath(resourceName));
    if (!file.open(QIODevice::ReadOnly))
        throw EReadError(QStringLiteral("Resource %1 not found").arg(FormResourcePath(resourceName)));
    return QString::fromUtf8(file.readAll());
}

void ReadComponentResource(TComponent *root, const QString &resourceName)
{
    ReadComponentFromText(root, LoadFormResourceText(resourceName), FormResourcePath(resourceName));
}

bool InitInheritedComponent(TComponent *instance)
{
    const QString name = instance->ClassName();
    if (!FormResourceExists(name))
        return false;
    ReadComponentResource(instance, name);
    return true;
}
