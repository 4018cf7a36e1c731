#pragma once
// Names of the languages a USB device may list in its string 0, by language ID.

#include <cstdint>
#include <string>

namespace hid {

// The language's name ("English (United States)"), or empty for an ID we cannot name.
std::string LanguageName(std::uint16_t languageId);

}  // namespace hid
