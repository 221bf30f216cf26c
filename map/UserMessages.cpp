#include "map/UserMessages.h"

#include <cstdio>

namespace brambex {

namespace {
std::function<void(const std::string&, const std::string&)> warningSink;
std::function<void(int)> themeListHook;
std::function<void(int)> typeListHook;
}  // namespace

void showWarning(const std::string& caption, const std::string& text) {
    if (warningSink) {
        warningSink(caption, text);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

void setWarningSink(std::function<void(const std::string&, const std::string&)> sink) {
    warningSink = std::move(sink);
}

void selectThemeInList(int theme) {
    if (themeListHook) themeListHook(theme);
}

void setThemeListHook(std::function<void(int)> hook) { themeListHook = std::move(hook); }

void selectTypeInList(int listPosition) {
    if (typeListHook) typeListHook(listPosition);
}

void setTypeListHook(std::function<void(int)> hook) { typeListHook = std::move(hook); }

}  // namespace brambex
