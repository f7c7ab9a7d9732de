#pragma once
#include <cstdint>
#include <initializer_list>

// A set of up to 32 values of an enumeration whose values run from 0 (a Pascal "set of").
template <class E>
class TSet {
public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> Items) {
    for (E item : Items) Include(item);
  }

  static constexpr TSet FromBits(uint32_t Bits) {
    TSet result;
    result.FBits = Bits;
    return result;
  }
  constexpr uint32_t Bits() const { return FBits; }

  constexpr bool Contains(E Item) const { return (FBits & Bit(Item)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr TSet& Include(E Item) {
    FBits |= Bit(Item);
    return *this;
  }
  constexpr TSet& Exclude(E Item) {
    FBits &= ~Bit(Item);
    return *this;
  }

  friend constexpr bool operator==(TSet A, TSet B) = default;
  friend constexpr TSet operator+(TSet A, TSet B) { return FromBits(A.FBits | B.FBits); }   // union
  friend constexpr TSet operator-(TSet A, TSet B) { return FromBits(A.FBits & ~B.FBits); }  // difference
  friend constexpr TSet operator*(TSet A, TSet B) { return FromBits(A.FBits & B.FBits); }   // intersection

private:
  static constexpr uint32_t Bit(E Item) { return uint32_t{1} << static_cast<unsigned>(Item); }
  uint32_t FBits = 0;
};
