#pragma once
// TSet<E>: the framework's "set of enumeration" (shift states, component states, anchors, font
// styles ...) as a bit mask over the ordinal values 0..63 of an enumeration.
//
//   TShiftState s{ssShift, ssCtrl};
//   if (s.Contains(ssShift)) ...;  s << ssAlt;  s >> ssCtrl;  s |= other;

#include <cstdint>
#include <initializer_list>

template <class E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> items)
    {
        for (E e : items)
            bits_ |= Bit(e);
    }
    static constexpr TSet FromMask(std::uint64_t mask)
    {
        TSet s;
        s.bits_ = mask;
        return s;
    }

    constexpr bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr std::uint64_t Mask() const { return bits_; }

    constexpr TSet &Include(E e) { bits_ |= Bit(e); return *this; }
    constexpr TSet &Exclude(E e) { bits_ &= ~Bit(e); return *this; }
    constexpr TSet &operator<<(E e) { return Include(e); }
    constexpr TSet &operator>>(E e) { return Exclude(e); }

    constexpr TSet operator|(TSet o) const { return FromMask(bits_ | o.bits_); }
    constexpr TSet operator&(TSet o) const { return FromMask(bits_ & o.bits_); }
    constexpr TSet operator-(TSet o) const { return FromMask(bits_ & ~o.bits_); }
    constexpr TSet operator+(E e) const { return FromMask(bits_ | Bit(e)); }
    constexpr TSet operator-(E e) const { return FromMask(bits_ & ~Bit(e)); }
    constexpr TSet &operator|=(TSet o) { bits_ |= o.bits_; return *this; }
    constexpr TSet &operator&=(TSet o) { bits_ &= o.bits_; return *this; }
    constexpr TSet &operator-=(TSet o) { bits_ &= ~o.bits_; return *this; }
    friend constexpr bool operator==(TSet a, TSet b) { return a.bits_ == b.bits_; }

private:
    static constexpr std::uint64_t Bit(E e) { return std::uint64_t{1} << static_cast<unsigned>(e); }
    std::uint64_t bits_ = 0;
};
