#pragma once

#include <string>

// Every text a user reads is written where it is used, in English, and marked so the translation
// tools (lupdate) find it: translate("Context", "text") where it is shown at once,
// QT_TRANSLATE_NOOP("Context", "text") where it is kept in a table and translated when shown.
// A text that leads with a number takes it as "%n" and the number as `n`, so each language picks
// its plural. The core knows no toolkit: the shell hands it the translator (without one, every
// text is its English self).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace brambex {

// The translation of `text` in `context` for the number `n` (-1: no number), or an empty string
// when there is none.
using TranslateHook = std::string (*)(const char* context, const char* text, int n);
void setTranslateHook(TranslateHook hook);

// `text` in the user's language; "%n" in it becomes `n`.
std::string translate(const char* context, const char* text, const char* comment = nullptr, int n = -1);

// The printf conversions of a text in order ("%s %d "), "%n" and "%%" left out: a translation
// must have the same ones as its text, or the text is shown untranslated.
std::string printfConversions(const std::string& text);

// The same for a text marked with QT_TRANSLATE_NOOP where it was written (a table's text).
inline std::string translated(const char* context, const char* text, int n = -1) {
    return translate(context, text, nullptr, n);
}

}  // namespace brambex
