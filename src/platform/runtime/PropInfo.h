#pragma once
// Run-time class information: the class description that T_IMPLEMENT_CLASS builds once per class
// (ClassBuilder.h): name, parent, factory, published properties in declaration order with the
// ancestors' first, numbered message handlers, event handlers by name and component fields by
// name. The form reader and writer, the property files of the plot library and every "set
// property by name" work from it (TypInfo.h has the by-name functions).

#include "platform/runtime/Classes.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <any>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <typeindex>
#include <vector>

enum class TTypeKind { Unknown, Integer, Float, String, Boolean, Enumeration, Set, Color, Class, Method, Variant };

// Kinds whose value is an integer (GetOrd/SetOrd): Integer, Boolean, Enumeration, Set, Color.
constexpr bool IsOrdinalKind(TTypeKind k)
{
    return k == TTypeKind::Integer || k == TTypeKind::Boolean || k == TTypeKind::Enumeration || k == TTypeKind::Set ||
           k == TTypeKind::Color;
}

// Names an integer value may be written as (colours, cursors ...).
struct TIdentMapEntry {
    std::int64_t Value;
    const char *Name;
};
using TIdentMap = std::span<const TIdentMapEntry>;

struct TPropInfo {
    QString Name;
    TTypeKind Kind = TTypeKind::Unknown;

    // Integer, Boolean (0/1), Enumeration (ordinal), Set (bit mask), Color.
    std::function<std::int64_t(const TObject &)> GetOrd;
    std::function<void(TObject &, std::int64_t)> SetOrd;
    // Float.
    std::function<double(const TObject &)> GetFloat;
    std::function<void(TObject &, double)> SetFloat;
    // String.
    std::function<QString(const TObject &)> GetStr;
    std::function<void(TObject &, const QString &)> SetStr;
    // Variant: an unassigned value (invalid QVariant) is the default and is not stored; a null
    // value is one of std::nullptr_t.
    std::function<QVariant(const TObject &)> GetVariant;
    std::function<void(TObject &, const QVariant &)> SetVariant;
    // Class: an owned sub-object (Font, Lines ...) or, with IsReference, a component found by name.
    std::function<TObject *(const TObject &)> GetObject;
    std::function<void(TObject &, TObject *)> SetObject;
    const TClassInfo &(*ObjectClassOf)() = nullptr;  // lazy: a class may refer to itself
    bool IsReference = false;
    const TClassInfo *ObjectClass() const { return ObjectClassOf ? &ObjectClassOf() : nullptr; }
    // Method (event): signature, binding from a handler, and the bound handler's name.
    std::optional<std::type_index> EventSignature;
    std::function<void(TObject &, const std::any &)> SetEvent;  // std::any holds a TEvent<Sig>
    std::function<QString(const TObject &)> GetHandlerName;
    std::function<TObject *(const TObject &)> GetHandlerTarget;

    // Declared default of ordinal kinds (none: always stored); floats and strings count as
    // default when zero or empty unless a default is given.
    std::optional<std::int64_t> OrdDefault;
    std::optional<double> FloatDefault;
    std::optional<QString> StrDefault;
    std::function<bool(const TObject &)> Stored;  // empty: stored

    QStringList EnumNames;  // Enumeration: names by ordinal; Set: element names by bit
    TIdentMap Idents;       // Integer/Color: names of values

    bool Writable() const;
    bool Readable() const;
    bool IsStored(const TObject &instance) const { return !Stored || Stored(instance); }
    // True when the current value equals the declared default (ordinal kinds) or is zero/empty.
    bool IsDefault(const TObject &instance) const;
};

// Raises EPropertyError "Invalid property value": an ordinal written by name that no name of its
// enumeration, set or Boolean stands for, or an integer its property's type cannot hold.
[[noreturn]] void RaiseInvalidPropertyValue();

// A form class's event handler, bound to a concrete form by Make(instance).
struct THandlerInfo {
    QString Name;
    std::type_index Signature = typeid(void);
    std::function<std::any(TObject *instance)> Make;
};

struct TMessageHandlerInfo {
    UINT Msg = 0;
    std::function<void(TObject &, TMessage &)> Call;
};

// A form class's component field: the reader stores each created component with that name.
struct TFieldInfo {
    QString Name;
    // Stores the component (nullptr clears); false when the component's class does not fit.
    std::function<bool(TObject &owner, TComponent *component)> Assign;
    std::function<TComponent *(const TObject &owner)> Get;
};

class TClassInfo {
public:
    TClassInfo() = default;

    const QString &Name() const { return name_; }
    const TClassInfo *Parent() const { return parent_; }
    bool InheritsFrom(const TClassInfo &other) const;
    // Creates an instance of a component class; nullptr for abstract or non-component classes.
    TComponent *Create(TComponent *owner) const { return factory_ ? factory_(owner) : nullptr; }
    bool CanCreate() const { return static_cast<bool>(factory_); }

    // Published properties, ancestors first, a redeclared property in its ancestor's place.
    const std::vector<TPropInfo> &Properties() const { return props_; }
    const TPropInfo *FindProperty(const QString &name) const;  // without regard to case
    const THandlerInfo *FindHandler(const QString &name) const;  // searches ancestors too
    // The event handlers this class registers itself, in registration order.
    const std::vector<THandlerInfo> &Handlers() const { return handlers_; }
    const TMessageHandlerInfo *FindMessageHandler(UINT msg) const;  // this class only
    const TFieldInfo *FindField(const QString &name) const;  // searches ancestors too

private:
    template <class C>
    friend class TClassBuilder;
    // Builds the name index of the properties once the description is complete.
    void IndexProperties();

    QString name_;
    const TClassInfo *parent_ = nullptr;
    std::function<TComponent *(TComponent *)> factory_;
    std::vector<TPropInfo> props_;
    // Case-folded property name -> its place in props_.
    QHash<QString, std::size_t> propIndex_;
    std::vector<THandlerInfo> handlers_;
    std::vector<TMessageHandlerInfo> messages_;
    std::vector<TFieldInfo> fields_;
};
