#pragma once

#include <string>

// The UI texts of the five languages: text k of the current language is Texts(LangIndex + k).

namespace quillon {

// 0 German, 1000 English, 2000 Spanish, 3000 Italian, 4000 Portuguese.
extern int LangIndex;

// An unassigned number, or one outside the table, reads as the empty string.
const std::string& Texts(int index);

inline const std::string& Text(int k) {
    return Texts(LangIndex + k);
}

// How many text numbers the table assigns (each in all five languages).
int TextCount();

// A language index as stored in the settings file: anything but 1000, 2000, 3000 or 4000 is German (0).
int ValidLangIndex(int index);

} // namespace quillon
