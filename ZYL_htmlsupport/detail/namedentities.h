// Library: zyl / Package: ZYL_htmlsupport / Module: namedentities
//
// The named character references the module knows: the 252 entities of
// HTML 4.01 (Latin-1, symbols and Greek letters, special characters) and
// "apos". Names are case-sensitive ("Auml" and "auml" are two letters).
//
// Example:
//   lookup_named_entity(u"eacute")   // == 0xE9
//   lookup_named_entity(u"Eacute")   // == 0xC9
//   lookup_named_entity(u"bogus")    // == 0 (unknown)
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace zyl::detail {

struct NamedEntity {
  std::string_view name;  // without "&" and ";"
  char32_t code;
};

// The longest name ("thetasym"); a scanner need look no further for the ";".
inline constexpr std::size_t kMaxEntityNameLength = 8;

// The whole table, sorted by name (byte order).
[[nodiscard]] std::span<const NamedEntity> named_entities() noexcept;

// The code point of the entity called Name, or 0 when there is none.
[[nodiscard]] char32_t lookup_named_entity(std::u16string_view Name) noexcept;

}  // namespace zyl::detail
