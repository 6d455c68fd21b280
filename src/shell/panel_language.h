#pragma once
// Switching the panels between German and English with the language files in the
// program directory.

constexpr const char *kGermanLanguageFile = "language_ger.lwl";
constexpr const char *kEnglishLanguageFile = "language_eng.lwl";

// Takes the connection page's language selector as the language index, applies that
// language's file to the main panel (with its pages and child panels) and to the
// password panel, and sets the offset page's instruction text.
void InitLanguage(void);
