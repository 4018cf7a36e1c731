#pragma once
// The names of a published enumeration, written once in a table beside the enumeration; every
// property description of that type uses the table (ClassBuilder.h's Enum and Set):
//
//   enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
//   inline constexpr auto AlignNames =
//       EnumNames<TAlign>("alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom");
//
//   b.Enum("Align", &TControl::Align, &TControl::SetAlign, AlignNames).Default(alNone);
//
// The names stand in the order of the values (0, 1, 2 ...); for a set the table of its element
// enumeration names the bits. A table carries its enumeration's type: describing a property of
// another type with it does not compile.

#include <array>
#include <cstddef>
#include <type_traits>

template <class E, std::size_t N>
struct TEnumNames {
    static_assert(std::is_enum_v<E>);
    using Enum = E;
    std::array<const char *, N> Names;
};

template <class E, class... Name>
constexpr TEnumNames<E, sizeof...(Name)> EnumNames(Name... names)
{
    static_assert((std::is_convertible_v<Name, const char *> && ...));
    return {{names...}};
}
