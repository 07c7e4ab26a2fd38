// Word lists of the demo congregation: Greek names, streets, remarks and needs (UTF-8), with a
// Latin spelling of the names for e-mail addresses.
#pragma once

#include <span>
#include <string_view>

namespace zelvo::demo {

struct FirstName {
    std::string_view greek;
    std::string_view latin;
};

// A family name in its male and female forms.
struct FamilyName {
    std::string_view male;
    std::string_view female;
    std::string_view latin;
};

std::span<const FirstName> maleFirstNames();
std::span<const FirstName> femaleFirstNames();
std::span<const FamilyName> familyNames();

std::span<const std::string_view> streets();
std::span<const std::string_view> neighbourhoods();  // group meeting places
std::span<const std::string_view> congregationNames();
std::span<const std::string_view> remarkTexts();  // at most 43 characters each
std::span<const std::string_view> specialNeedTexts();
std::span<const std::string_view> relationTexts();      // emergency contact: who the contact is
std::span<const std::string_view> otherContactTexts();  // contact extras, before a number

}  // namespace zelvo::demo
