#include "platform/runtime/Classes.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/Exception.h"

#include <algorithm>

// ---- TObject --------------------------------------------------------------------------------------

TObject::~TObject() = default;

const TClassInfo &TObject::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TObject>::Make("TObject", nullptr, [](TClassBuilder<TObject> &) {});
    return info;
}

QString TObject::ClassName() const
{
    return ClassType().Name();
}

bool TObject::InheritsFrom(const TClassInfo &cls) const
{
    return ClassType().InheritsFrom(cls);
}

void TObject::Dispatch(TMessage &message)
{
    DispatchFrom(ClassType(), message);
}

void TObject::DispatchFrom(const TClassInfo &cls, TMessage &message)
{
    for (const TClassInfo *c = &cls; c; c = c->Parent())
        if (const TMessageHandlerInfo *h = c->FindMessageHandler(message.Msg)) {
            h->Call(*this, message);
            return;
        }
    DefaultHandler(message);
}

void TObject::DefaultHandler(TMessage &) {}

// ---- TPersistent ----------------------------------------------------------------------------------

T_IMPLEMENT_CLASS(TPersistent) {}

void TPersistent::Assign(TPersistent *Source)
{
    if (Source)
        Source->AssignTo(this);
    else
        AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent *Dest)
{
    Dest->AssignError(this);
}

void TPersistent::AssignError(TPersistent *Source)
{
    QString sourceName = Source ? Source->ClassName() : QStringLiteral("nil");
    throw EConvertError(QStringLiteral("Cannot assign a %1 to a %2").arg(sourceName, ClassName()));
}

void TPersistent::DefineProperties(TFiler *) {}

TPersistent *TPersistent::GetOwner()
{
    return nullptr;
}

QString TPersistent::GetNamePath()
{
    return ClassName();
}

// ---- TComponent -----------------------------------------------------------------------------------

T_IMPLEMENT_CLASS(TComponent)
{
    b.Str("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
    b.Int("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

bool IsValidIdent(const QString &text)
{
    if (text.isEmpty())
        return false;
    auto alpha = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_'; };
    if (!alpha(text[0]))
        return false;
    return std::all_of(text.begin() + 1, text.end(), [&](QChar c) { return alpha(c) || (c >= u'0' && c <= u'9'); });
}

TComponent::TComponent(TComponent *AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    RemoveFreeNotifications();
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

TComponent *TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FComponents[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const
{
    if (!FOwner)
        return -1;
    auto &list = FOwner->FComponents;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TComponent::SetName(const QString &NewName)
{
    if (FName == NewName)
        return;
    if (!NewName.isEmpty() && !IsValidIdent(NewName))
        throw EComponentError(QStringLiteral("'%1' is not a valid component name").arg(NewName));
    if (FOwner)
        FOwner->ValidateRename(this, FName, NewName);
    SetReference(false);
    if (FOwner)
        FOwner->UnindexName(this);
    FName = NewName;
    if (FOwner)
        FOwner->IndexName(this);
    SetReference(true);
}

void TComponent::ValidateRename(TComponent *AComponent, const QString &CurName, const QString &NewName)
{
    if (AComponent && CurName.compare(NewName, Qt::CaseInsensitive) != 0 && AComponent->FOwner == this &&
        FindComponent(NewName))
        throw EComponentError(QStringLiteral("A component named %1 already exists").arg(NewName));
}

TComponent *TComponent::FindComponent(const QString &AName) const
{
    if (AName.isEmpty())
        return nullptr;
    return FNameIndex.value(AName.toCaseFolded(), nullptr);
}

void TComponent::IndexName(TComponent *AComponent)
{
    if (AComponent->FName.isEmpty())
        return;
    TComponent *&entry = FNameIndex[AComponent->FName.toCaseFolded()];
    // Names are unique but for components handed over from another owner: the first in list
    // order keeps the name.
    if (!entry || AComponent->ComponentIndex() < entry->ComponentIndex())
        entry = AComponent;
}

void TComponent::UnindexName(TComponent *AComponent)
{
    if (AComponent->FName.isEmpty())
        return;
    const QString key = AComponent->FName.toCaseFolded();
    if (FNameIndex.value(key, nullptr) != AComponent)
        return;
    FNameIndex.remove(key);
    for (TComponent *c : FComponents)
        if (c != AComponent && c->FName.compare(AComponent->FName, Qt::CaseInsensitive) == 0) {
            FNameIndex.insert(key, c);
            return;
        }
}

void TComponent::InsertComponent(TComponent *AComponent)
{
    if (AComponent->FOwner)
        AComponent->FOwner->RemoveComponent(AComponent);
    ValidateRename(AComponent, QString(), AComponent->FName);
    Insert(AComponent);
    AComponent->SetReference(true);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent *AComponent)
{
    Notification(AComponent, opRemove);
    AComponent->SetReference(false);
    Remove(AComponent);
}

void TComponent::Insert(TComponent *AComponent)
{
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
    IndexName(AComponent);
}

void TComponent::Remove(TComponent *AComponent)
{
    AComponent->FOwner = nullptr;
    auto it = std::find(FComponents.begin(), FComponents.end(), AComponent);
    if (it != FComponents.end()) {
        FComponents.erase(it);
        UnindexName(AComponent);
    }
}

// Keeps the owner's field of the same name (a form's component member) pointing at this
// component while it is owned under that name.
void TComponent::SetReference(bool enable)
{
    if (!FOwner || FName.isEmpty() || FOwner->FComponentState.Contains(csDestroying))
        return;
    const TFieldInfo *field = FOwner->ClassType().FindField(FName);
    if (!field)
        return;
    if (enable) {
        if (!field->Assign(*FOwner, this))
            throw EComponentError(QStringLiteral("Field %1 of %2 does not accept a %3")
                                      .arg(FName, FOwner->ClassName(), ClassName()));
    } else if (field->Get(*FOwner) == this) {
        field->Assign(*FOwner, nullptr);
    }
}

void TComponent::DestroyComponents()
{
    while (!FComponents.empty()) {
        TComponent *instance = FComponents.back();
        if (instance->FComponentState.Contains(csFreeNotification))
            RemoveComponent(instance);
        else
            Remove(instance);
        delete instance;
    }
}

void TComponent::Destroying()
{
    if (FComponentState.Contains(csDestroying))
        return;
    FComponentState << csDestroying;
    for (TComponent *c : FComponents)
        c->Destroying();
}

void TComponent::FreeNotification(TComponent *AComponent)
{
    if (!AComponent || AComponent == this)
        return;
    if (!FOwner || AComponent->FOwner != FOwner) {
        if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
            FFreeNotifies.push_back(AComponent);
            AComponent->FreeNotification(this);
        }
    }
    FComponentState << csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent *AComponent)
{
    auto drop = [](std::vector<TComponent *> &list, TComponent *c) {
        auto it = std::find(list.begin(), list.end(), c);
        if (it != list.end())
            list.erase(it);
    };
    drop(FFreeNotifies, AComponent);
    drop(AComponent->FFreeNotifies, this);
}

void TComponent::RemoveFreeNotifications()
{
    while (!FFreeNotifies.empty()) {
        TComponent *other = FFreeNotifies.back();
        std::size_t before = FFreeNotifies.size();
        other->Notification(this, opRemove);
        if (FFreeNotifies.size() == before && !FFreeNotifies.empty() && FFreeNotifies.back() == other)
            RemoveFreeNotification(other);  // an override that did not call the inherited handling
    }
}

void TComponent::Loaded()
{
    FComponentState >> csLoading;
}

void TComponent::Notification(TComponent *AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent)
        RemoveFreeNotification(AComponent);
    int i = ComponentCount() - 1;
    while (i >= 0) {
        FComponents[static_cast<std::size_t>(i)]->Notification(AComponent, Operation);
        --i;
        if (i >= ComponentCount())
            i = ComponentCount() - 1;
    }
}

void TComponent::GetChildren(const TGetChildProc &Proc, TComponent *Root)
{
    if (Root != this)
        return;
    for (TComponent *c : FComponents)
        if (!c->HasParent())
            Proc(c);
}

TPersistent *TComponent::GetOwner()
{
    return FOwner;
}

QString TComponent::GetNamePath()
{
    return FName;
}

void TComponent::SetComponentState(TComponentStateItem item, bool on)
{
    if (on)
        FComponentState << item;
    else
        FComponentState >> item;
}

void Abort()
{
    throw EAbort(QStringLiteral("Operation aborted"));
}
