#pragma once

#include <string>

class QTranslator;

namespace brambex {

// Loads the program's translation for the user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
// and Qt's own catalogue (the standard dialog buttons) beside it, and hands ours to the core;
// English when there is none. The folder is "translations" beside the program (the build) or
// share/brambex/translations (an installed program). Returns the language loaded ("de"), empty
// for English. Called before anything is said, the window or not.
std::string installTranslations();
// Once the application object exists: the widgets' tr() reads the same translations.
void installTranslationsIntoApplication();
// Makes `translator` the program's instead (tests: a pseudo-language that marks every text); it
// stays the caller's. Null: English.
void useTranslator(QTranslator* translator);

}  // namespace brambex
