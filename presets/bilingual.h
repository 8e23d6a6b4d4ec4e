#pragma once

#include <string_view>

namespace kdsp {

// The console language; the numbers are those the console has always used.
enum class Language : int { English = 0, Chinese = 1 };

// A message in both console languages (UTF-8).
struct Bilingual {
    std::string_view chinese;
    std::string_view english;

    std::string_view in(Language language) const {
        return language == Language::Chinese ? chinese : english;
    }
};

} // namespace kdsp
