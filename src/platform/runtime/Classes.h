#pragma once
// The component model: TObject (class identity, numbered message handlers), TPersistent
// (assignment, extra streamed properties) and TComponent (owner, owned components, name, tag,
// component state, free notification, Loaded).
//
// How control classes use it:
//  - Every framework class starts its body with T_DECLARE_CLASS(Self, Parent) and implements its
//    class description once in its .cpp with T_IMPLEMENT_CLASS(Self) { ... } (ClassBuilder.h):
//    published properties, message handlers by number, event handlers by name (forms), fields
//    bound by component name (forms). The macro also registers the class by name for the form
//    reader. `inherited` names the parent class: `inherited::Loaded();`.
//  - Messages: Dispatch(msg) runs the handler registered for msg.Msg by the most derived class
//    that has one, else DefaultHandler. A handler that wants the ancestor's handling calls
//    DispatchFrom(inherited::StaticClass(), msg). A windowed control's WndProc ends in Dispatch.
//  - Owner/Name/Notification follow the framework: an owned component is destroyed with its
//    owner; every component owned by the same owner hears Notification(c, opRemove) when c leaves;
//    FreeNotification(c) asks to hear about c's destruction across owners. Names are unique among
//    an owner's components without regard to case; FindComponent ignores case and answers nullptr
//    for a missing name (callers check the class with dynamic_cast).
//  - Parent relation for streaming: controls override HasParent/GetParentComponent/
//    SetParentComponent, and GetChildren lists what the form writer writes nested inside a
//    component (the default lists, for the root, the owned components that have no parent).

#include "platform/runtime/Messages.h"
#include "platform/runtime/Set.h"

#include <QHash>
#include <QString>

#include <functional>
#include <vector>

class TClassInfo;
class TFiler;
class TComponent;

using String = QString;

template <class C>
class TClassBuilder;

// The class description (T_IMPLEMENT_CLASS) is a friend, so it may name protected message
// handlers and accessors.
#define T_DECLARE_CLASS(Self, Parent)                                                  \
public:                                                                                \
    using inherited = Parent;                                                          \
    static const TClassInfo &StaticClass();                                            \
    const TClassInfo &ClassType() const override { return Self::StaticClass(); }       \
    friend void TDescribe_##Self(TClassBuilder<Self> &b);                              \
                                                                                       \
public:

class TObject {
public:
    TObject() = default;
    virtual ~TObject();
    TObject(const TObject &) = delete;
    TObject &operator=(const TObject &) = delete;

    static const TClassInfo &StaticClass();
    virtual const TClassInfo &ClassType() const { return StaticClass(); }
    QString ClassName() const;
    bool InheritsFrom(const TClassInfo &cls) const;

    // Numbered message handlers of the class chain, else DefaultHandler.
    virtual void Dispatch(TMessage &message);
    // Leaves the message unhandled (Result unchanged).
    virtual void DefaultHandler(TMessage &message);

protected:
    // Dispatch starting at `cls` (normally inherited::StaticClass() from inside a handler).
    void DispatchFrom(const TClassInfo &cls, TMessage &message);
};

class TPersistent : public TObject {
    T_DECLARE_CLASS(TPersistent, TObject)
    // Copies Source into this object; the default asks Source->AssignTo and fails with
    // EConvertError "Cannot assign a X to a Y".
    virtual void Assign(TPersistent *Source);
    // Extra streamed properties (TFiler::DefineProperty / DefineBinaryProperty).
    virtual void DefineProperties(TFiler *Filer);
    // The object this one belongs to for naming purposes (nullptr for free-standing objects).
    virtual TPersistent *GetOwner();
    virtual QString GetNamePath();

protected:
    virtual void AssignTo(TPersistent *Dest);
    [[noreturn]] void AssignError(TPersistent *Source);
};

enum TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating, csFixups,
                           csFreeNotification, csInline, csDesignInstance };
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

using TGetChildProc = std::function<void(TComponent *Child)>;

class TComponent : public TPersistent {
    T_DECLARE_CLASS(TComponent, TPersistent)
    explicit TComponent(TComponent *AOwner);
    ~TComponent() override;

    TComponent *Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent *Components(int index) const;
    const std::vector<TComponent *> &ComponentList() const { return FComponents; }
    int ComponentIndex() const;

    const QString &Name() const { return FName; }
    virtual void SetName(const QString &NewName);
    std::intptr_t Tag() const { return FTag; }
    void SetTag(std::intptr_t value) { FTag = value; }

    TComponentState ComponentState() const { return FComponentState; }
    // Designing is never set in this program.
    bool Designing() const { return false; }

    // Owned component by name, without regard to case; nullptr when there is none.
    TComponent *FindComponent(const QString &AName) const;

    void InsertComponent(TComponent *AComponent);
    void RemoveComponent(TComponent *AComponent);
    void DestroyComponents();
    // Sets csDestroying on this component and all it owns.
    void Destroying();

    void FreeNotification(TComponent *AComponent);
    void RemoveFreeNotification(TComponent *AComponent);

    // Called by the form reader after the whole form was read; clears csLoading.
    virtual void Loaded();
    virtual void Notification(TComponent *AComponent, TOperation Operation);

    // Streaming relation of controls to their parent.
    virtual bool HasParent() const { return false; }
    virtual TComponent *GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent *) {}
    virtual void GetChildren(const TGetChildProc &Proc, TComponent *Root);

    TPersistent *GetOwner() override;
    QString GetNamePath() override;

    // For the form reader and writer.
    void SetComponentState(TComponentStateItem item, bool on);
    void SetDesigning(bool) {}

private:
    void Insert(TComponent *AComponent);
    void Remove(TComponent *AComponent);
    void SetReference(bool enable);
    void RemoveFreeNotifications();
    void ValidateRename(TComponent *AComponent, const QString &CurName, const QString &NewName);
    // The name index of the owned components: the first one of each name, in list order.
    void IndexName(TComponent *AComponent);
    void UnindexName(TComponent *AComponent);

    TComponent *FOwner = nullptr;
    std::vector<TComponent *> FComponents;
    // Case-folded name -> the first owned component of that name (FindComponent's answer).
    QHash<QString, TComponent *> FNameIndex;
    std::vector<TComponent *> FFreeNotifies;
    QString FName;
    std::intptr_t FTag = 0;
    TComponentState FComponentState;
};

// Deletes the object and clears the pointer (the framework's FreeAndNil).
template <class T>
void FreeAndNil(T *&object)
{
    T *p = object;
    object = nullptr;
    delete p;
}

// Identifier rule of component names: a letter or '_' followed by letters, digits or '_'.
bool IsValidIdent(const QString &text);
