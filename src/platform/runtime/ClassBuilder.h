#pragma once
// Describing a class once: published properties, message handlers, event handlers, fields.
//
//   // Button.h
//   class TMyButton : public TCustomControl {
//       T_DECLARE_CLASS(TMyButton, TCustomControl)
//       ...
//   };
//   // Button.cpp
//   T_IMPLEMENT_CLASS(TMyButton)
//   {
//       b.Int("GroupIndex", &TMyButton::GroupIndex, &TMyButton::SetGroupIndex).Default(0);
//       b.Bool("Down", &TMyButton::Down, &TMyButton::SetDown).Default(false);
//       b.Enum("Layout", &TMyButton::Layout, &TMyButton::SetLayout, ButtonLayoutNames);  // EnumNames.h
//       b.Color("Color", &TMyButton::Color, &TMyButton::SetColor).Default(clBtnFace);
//       b.Object("Font", &TMyButton::Font, &TMyButton::SetFont);        // owned sub-object
//       b.Ref("PopupMenu", &TMyButton::PopupMenu, &TMyButton::SetPopupMenu); // component reference
//       b.Event("OnClick", &TMyButton::OnClick);                         // TEvent field
//       b.Message(CM_MOUSEENTER, &TMyButton::CMMouseEnter);              // void (TMessage &)
//   }
//   // a form class also lists its handlers and component fields:
//   T_IMPLEMENT_CLASS(TfmExit)
//   {
//       b.Handler("FormShow", &TfmExit::FormShow);
//       b.Field("lbQuit", &TfmExit::lbQuit);
//   }
//   // a handler may also live on an object the form holds (its member Pages here):
//   //     b.Forward("isGainInAChange", &TfmMain::Pages, &GainPage::isGainInAChange);
//
// Getters may be `V (C::*)() const` member functions, data members `V C::*`, or callables taking
// `const C &`; setters `void (C::*)(V)` member functions, data members, or callables taking
// `(C &, V)`; pass nullptr for a read-only property. Properties come in the order they are
// described, after the parent's; describing a parent's property again (to publish it or change
// its default) replaces it in place. Default(), NoDefault(), Stored() and Idents() modify the
// property described last. The class is registered by name for the form reader as soon as the
// program starts. Describe functions run during static initialisation: use only constant data
// (string literals, constexpr tables) or function-local statics in them.

#include "platform/runtime/ClassRegistry.h"
#include "platform/runtime/EnumNames.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/PropInfo.h"

#include <type_traits>
#include <utility>

namespace classbuilder_detail {

template <class T>
struct IsSet : std::false_type {};
template <class E>
struct IsSet<TSet<E>> : std::true_type {};

template <class V>
std::int64_t ToOrd(const V &v)
{
    if constexpr (IsSet<V>::value)
        return static_cast<std::int64_t>(v.Mask());
    else
        return static_cast<std::int64_t>(v);
}

// An ordinal the setter's type cannot hold raises rather than wrapping: a form's Width of
// 42999999993 would otherwise arrive as 50327033.
template <class V>
V FromOrd(std::int64_t v)
{
    if constexpr (IsSet<V>::value) {
        return V::FromMask(static_cast<std::uint64_t>(v));
    } else if constexpr (std::is_same_v<V, bool>) {
        return v != 0;
    } else if constexpr (std::is_integral_v<V> || std::is_enum_v<V>) {
        using Held =
            typename std::conditional_t<std::is_enum_v<V>, std::underlying_type<V>, std::type_identity<V>>::type;
        if (!std::in_range<Held>(v))
            RaiseInvalidPropertyValue();
        return static_cast<V>(v);
    } else {
        return static_cast<V>(v);
    }
}

// The value type a setter takes.
template <class S>
struct SetterArg {
    using type = void;
};
template <class M, class T>
struct SetterArg<T M::*> {
    using type = T;
};
template <class M, class R, class P>
struct SetterArg<R (M::*)(P)> {
    using type = std::decay_t<P>;
};
template <class M, class R, class P>
struct SetterArg<R (M::*)(P) noexcept> {
    using type = std::decay_t<P>;
};

template <class C, class G>
decltype(auto) Get(const G &g, const C &c)
{
    if constexpr (std::is_member_object_pointer_v<G>)
        return (c.*g);
    else
        return std::invoke(g, c);
}

// The value type a getter `g` of class C gives.
template <class C, class G>
using GetterValue = std::remove_cvref_t<decltype(Get(std::declval<const G &>(), std::declval<const C &>()))>;

// Calls setter `s` on `c` with `value` converted by `conv` to the setter's own argument type.
template <class C, class S, class V, class Conv>
void Set(const S &s, C &c, const V &value, Conv conv)
{
    using Arg = typename SetterArg<S>::type;
    if constexpr (std::is_member_object_pointer_v<S>)
        c.*s = conv.template operator()<Arg>(value);
    else if constexpr (std::is_member_function_pointer_v<S>)
        (c.*s)(conv.template operator()<Arg>(value));
    else
        std::invoke(s, c, value);
}

}  // namespace classbuilder_detail

template <class C>
class TClassBuilder {
public:
    TClassBuilder(const char *name, const TClassInfo *parent)
    {
        info_.name_ = QString::fromLatin1(name);
        info_.parent_ = parent;
        if (parent)
            info_.props_ = parent->props_;
        if constexpr (std::is_base_of_v<TComponent, C> && !std::is_abstract_v<C> &&
                      std::is_constructible_v<C, TComponent *>)
            info_.factory_ = [](TComponent *owner) -> TComponent * { return new C(owner); };
    }

    static TClassInfo Make(const char *name, const TClassInfo *parent, void (*describe)(TClassBuilder &))
    {
        TClassBuilder b(name, parent);
        describe(b);
        b.info_.IndexProperties();
        return std::move(b.info_);
    }

    // ---- Published properties ----
    template <class G, class S>
    TClassBuilder &Int(const char *name, G get, S set)
    {
        return Ordinal(name, TTypeKind::Integer, get, set);
    }
    template <class G, class S>
    TClassBuilder &Bool(const char *name, G get, S set)
    {
        Ordinal(name, TTypeKind::Boolean, get, set);
        return OnlyNamedValues([](std::int64_t v) { return v == 0 || v == 1; });
    }
    template <class G, class S>
    TClassBuilder &Color(const char *name, G get, S set)
    {
        return Ordinal(name, TTypeKind::Color, get, set);
    }
    // An enumeration, named by the table beside its declaration (EnumNames.h).
    template <class G, class S, class E, std::size_t N>
    TClassBuilder &Enum(const char *name, G get, S set, const TEnumNames<E, N> &names)
    {
        static_assert(std::is_same_v<classbuilder_detail::GetterValue<C, G>, E>,
                      "the names table belongs to another enumeration");
        Ordinal(name, TTypeKind::Enumeration, get, set);
        for (const char *n : names.Names)
            Last().EnumNames << QString::fromLatin1(n);
        return OnlyNamedValues([](std::int64_t v) { return v >= 0 && v < static_cast<std::int64_t>(N); });
    }
    // A set of an enumeration, its bits named by the enumeration's table.
    template <class G, class S, class E, std::size_t N>
    TClassBuilder &Set(const char *name, G get, S set, const TEnumNames<E, N> &elementNames)
    {
        static_assert(std::is_same_v<classbuilder_detail::GetterValue<C, G>, TSet<E>>,
                      "the names table belongs to another enumeration");
        Ordinal(name, TTypeKind::Set, get, set);
        for (const char *n : elementNames.Names)
            Last().EnumNames << QString::fromLatin1(n);
        static_assert(N < 63, "a set has at most 63 elements");
        return OnlyNamedValues([](std::int64_t v) { return v >= 0 && v < (std::int64_t{1} << N); });
    }
    template <class G, class S>
    TClassBuilder &Float(const char *name, G get, S set)
    {
        TPropInfo p = Begin(name, TTypeKind::Float);
        p.GetFloat = [get](const TObject &o) {
            return static_cast<double>(classbuilder_detail::Get(get, static_cast<const C &>(o)));
        };
        if constexpr (!std::is_null_pointer_v<S>)
            p.SetFloat = [set](TObject &o, double v) {
                classbuilder_detail::Set(set, static_cast<C &>(o), v,
                                         []<class A>(double x) { return static_cast<A>(x); });
            };
        return Add(std::move(p));
    }
    template <class G, class S>
    TClassBuilder &Str(const char *name, G get, S set)
    {
        TPropInfo p = Begin(name, TTypeKind::String);
        p.GetStr = [get](const TObject &o) { return QString(classbuilder_detail::Get(get, static_cast<const C &>(o))); };
        if constexpr (!std::is_null_pointer_v<S>)
            p.SetStr = [set](TObject &o, const QString &v) {
                classbuilder_detail::Set(set, static_cast<C &>(o), v, []<class A>(const QString &x) { return A(x); });
            };
        return Add(std::move(p));
    }
    // A variant value; stored unless unassigned.
    template <class G, class S>
    TClassBuilder &Variant(const char *name, G get, S set)
    {
        TPropInfo p = Begin(name, TTypeKind::Variant);
        p.GetVariant = [get](const TObject &o) {
            return QVariant(classbuilder_detail::Get(get, static_cast<const C &>(o)));
        };
        if constexpr (!std::is_null_pointer_v<S>)
            p.SetVariant = [set](TObject &o, const QVariant &v) {
                classbuilder_detail::Set(set, static_cast<C &>(o), v, []<class A>(const QVariant &x) { return A(x); });
            };
        return Add(std::move(p));
    }
    // An owned sub-object (its properties stream as Name.Sub); the setter normally Assigns.
    template <class G, class S>
    TClassBuilder &Object(const char *name, G get, S set)
    {
        return ObjectProp(name, get, set, false);
    }
    // A reference to another component, streamed as that component's name.
    template <class G, class S>
    TClassBuilder &Ref(const char *name, G get, S set)
    {
        return ObjectProp(name, get, set, true);
    }
    template <class M, class Sig>
    TClassBuilder &Event(const char *name, TEvent<Sig> M::*field)
    {
        TPropInfo p = Begin(name, TTypeKind::Method);
        p.EventSignature = std::type_index(typeid(Sig));
        p.SetEvent = [field](TObject &o, const std::any &a) {
            static_cast<C &>(o).*field = std::any_cast<const TEvent<Sig> &>(a);
        };
        p.GetHandlerName = [field](const TObject &o) { return (static_cast<const C &>(o).*field).HandlerName(); };
        p.GetHandlerTarget = [field](const TObject &o) { return (static_cast<const C &>(o).*field).Target(); };
        return Add(std::move(p));
    }

    // ---- Modifiers of the property described last ----
    TClassBuilder &Default(std::int64_t value)
    {
        TPropInfo &p = Last();
        if (p.Kind == TTypeKind::Float)
            p.FloatDefault = static_cast<double>(value);
        else
            p.OrdDefault = value;
        return *this;
    }
    template <class E, class = std::enable_if_t<std::is_enum_v<E>>>
    TClassBuilder &Default(E value)
    {
        return Default(static_cast<std::int64_t>(value));
    }
    template <class E>
    TClassBuilder &Default(TSet<E> value)
    {
        return Default(static_cast<std::int64_t>(value.Mask()));
    }
    TClassBuilder &Default(int value) { return Default(static_cast<std::int64_t>(value)); }
    TClassBuilder &Default(bool value) { return Default(static_cast<std::int64_t>(value ? 1 : 0)); }
    TClassBuilder &Default(double value)
    {
        Last().FloatDefault = value;
        return *this;
    }
    TClassBuilder &Default(const char *value)
    {
        Last().StrDefault = QString::fromUtf8(value);
        return *this;
    }
    TClassBuilder &NoDefault()
    {
        Last().OrdDefault.reset();
        Last().FloatDefault.reset();
        Last().StrDefault.reset();
        return *this;
    }
    // `bool (C::*)() const`, a callable taking `const C &`, or a constant.
    template <class P>
    TClassBuilder &Stored(P pred)
    {
        if constexpr (std::is_same_v<P, bool>)
            Last().Stored = [pred](const TObject &) { return pred; };
        else
            Last().Stored = [pred](const TObject &o) { return static_cast<bool>(std::invoke(pred, static_cast<const C &>(o))); };
        return *this;
    }
    TClassBuilder &Idents(TIdentMap map)
    {
        Last().Idents = map;
        return *this;
    }

    // ---- Numbered message handler: void (M::*)(TMessage &) with M this class or an ancestor ----
    template <class M>
    TClassBuilder &Message(UINT msg, void (M::*handler)(TMessage &))
    {
        TMessageHandlerInfo h;
        h.Msg = msg;
        h.Call = [handler](TObject &o, TMessage &m) { (static_cast<C &>(o).*handler)(m); };
        for (auto &existing : info_.messages_)
            if (existing.Msg == msg) {
                existing = std::move(h);
                return *this;
            }
        info_.messages_.push_back(std::move(h));
        return *this;
    }

    // ---- Event handler of a form class, bound by name from form definitions ----
    template <class M, class R, class... A>
    TClassBuilder &Handler(const char *name, R (M::*method)(A...))
    {
        THandlerInfo h;
        h.Name = QString::fromLatin1(name);
        h.Signature = std::type_index(typeid(R(A...)));
        QString n = h.Name;
        h.Make = [method, n](TObject *instance) {
            TEvent<R(A...)> e(static_cast<M *>(static_cast<C *>(instance)), method);
            e.SetBinding(n, instance);
            return std::any(e);
        };
        info_.handlers_.push_back(std::move(h));
        return *this;
    }

    // ---- Event handler of an object the form holds, bound by name like the form's own ----
    // `holder` is the form's member holding the object (the main window's channel pages),
    // `method` a member function of that object's class or of one of its bases. The event is the
    // one Handler makes for a method of the form: bound to the form under `name`, checked against
    // the event's signature and written back by name; calling it calls `method` on the object.
    template <class O, class H, class M, class R, class... A>
    TClassBuilder &Forward(const char *name, H O::*holder, R (M::*method)(A...))
    {
        static_assert(std::is_base_of_v<O, C>, "the holder is a member of another class than the form");
        static_assert(std::is_base_of_v<M, H>, "the method belongs to another class than the held object");
        THandlerInfo h;
        h.Name = QString::fromLatin1(name);
        h.Signature = std::type_index(typeid(R(A...)));
        QString n = h.Name;
        h.Make = [holder, method, n](TObject *instance) {
            C *form = static_cast<C *>(instance);
            TEvent<R(A...)> e([form, holder, method](A... args) -> R {
                return (static_cast<M &>(form->*holder).*method)(std::forward<A>(args)...);
            });
            e.SetBinding(n, instance);
            return std::any(e);
        };
        info_.handlers_.push_back(std::move(h));
        return *this;
    }

    // ---- Component field of a form class, set by the reader to the component of that name ----
    template <class M, class T>
    TClassBuilder &Field(const char *name, T *M::*field)
    {
        TFieldInfo f;
        f.Name = QString::fromLatin1(name);
        f.Assign = [field](TObject &owner, TComponent *component) {
            T *typed = nullptr;
            if (component) {
                typed = dynamic_cast<T *>(component);
                if (!typed)
                    return false;
            }
            static_cast<C &>(owner).*field = typed;
            return true;
        };
        f.Get = [field](const TObject &owner) -> TComponent * { return static_cast<const C &>(owner).*field; };
        info_.fields_.push_back(std::move(f));
        return *this;
    }

private:
    TPropInfo &Last() { return info_.props_[lastIndex_]; }

    // Every by-name write of the property described last (form definitions, property files and
    // texts, the plot editor) then refuses an ordinal that no name stands for: it raises
    // RaiseInvalidPropertyValue and the setter never sees the value.
    template <class Accept>
    TClassBuilder &OnlyNamedValues(Accept accept)
    {
        TPropInfo &p = Last();
        if (p.SetOrd)
            p.SetOrd = [set = std::move(p.SetOrd), accept](TObject &o, std::int64_t v) {
                if (!accept(v))
                    RaiseInvalidPropertyValue();
                set(o, v);
            };
        return *this;
    }

    TPropInfo Begin(const char *name, TTypeKind kind)
    {
        TPropInfo p;
        p.Name = QString::fromLatin1(name);
        p.Kind = kind;
        return p;
    }

    TClassBuilder &Add(TPropInfo p)
    {
        for (std::size_t i = 0; i < info_.props_.size(); ++i)
            if (info_.props_[i].Name.compare(p.Name, Qt::CaseInsensitive) == 0) {
                info_.props_[i] = std::move(p);
                lastIndex_ = i;
                return *this;
            }
        info_.props_.push_back(std::move(p));
        lastIndex_ = info_.props_.size() - 1;
        return *this;
    }

    template <class G, class S>
    TClassBuilder &Ordinal(const char *name, TTypeKind kind, G get, S set)
    {
        TPropInfo p = Begin(name, kind);
        p.GetOrd = [get](const TObject &o) {
            return classbuilder_detail::ToOrd(classbuilder_detail::Get(get, static_cast<const C &>(o)));
        };
        if constexpr (!std::is_null_pointer_v<S>)
            p.SetOrd = [set](TObject &o, std::int64_t v) {
                classbuilder_detail::Set(set, static_cast<C &>(o), v,
                                         []<class A>(std::int64_t x) { return classbuilder_detail::FromOrd<A>(x); });
            };
        return Add(std::move(p));
    }

    template <class G, class S>
    TClassBuilder &ObjectProp(const char *name, G get, S set, bool reference)
    {
        using Ptr = std::decay_t<decltype(classbuilder_detail::Get(get, std::declval<const C &>()))>;
        using T = std::remove_cv_t<std::remove_pointer_t<Ptr>>;
        TPropInfo p = Begin(name, TTypeKind::Class);
        p.IsReference = reference;
        p.ObjectClassOf = &T::StaticClass;
        p.GetObject = [get](const TObject &o) -> TObject * {
            return const_cast<T *>(classbuilder_detail::Get(get, static_cast<const C &>(o)));
        };
        if constexpr (!std::is_null_pointer_v<S>)
            p.SetObject = [set](TObject &o, TObject *v) {
                classbuilder_detail::Set(set, static_cast<C &>(o), static_cast<T *>(v),
                                         []<class A>(T *x) { return static_cast<A>(x); });
            };
        return Add(std::move(p));
    }

    TClassInfo info_;
    std::size_t lastIndex_ = 0;
};

// Registers a class with the class registry when the program starts.
struct TClassRegistrar {
    explicit TClassRegistrar(const TClassInfo &(*get)()) { RegisterClass(get()); }
};

#define T_IMPLEMENT_CLASS(Self)                                                                      \
    void TDescribe_##Self(TClassBuilder<Self> &b);                                                   \
    const TClassInfo &Self::StaticClass()                                                            \
    {                                                                                                \
        static const TClassInfo info = TClassBuilder<Self>::Make(#Self, &Self::inherited::StaticClass(), \
                                                                 &TDescribe_##Self);                 \
        return info;                                                                                 \
    }                                                                                                \
    static const TClassRegistrar TRegistrar_##Self(&Self::StaticClass);                              \
    void TDescribe_##Self([[maybe_unused]] TClassBuilder<Self> &b)
