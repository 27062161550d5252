#pragma once

#include <type_traits>

// Enumerated properties are enum classes whose values are the integers that the saved
// forms hold; these two turn one into the other where a saved integer is read or written.
template <typename Enum>
requires std::is_enum_v<Enum>
constexpr std::underlying_type_t<Enum> savedInteger(Enum value)
{
    return static_cast<std::underlying_type_t<Enum>>(value);
}

template <typename Enum>
requires std::is_enum_v<Enum>
constexpr Enum fromSavedInteger(std::underlying_type_t<Enum> saved)
{
    return static_cast<Enum>(saved);
}
