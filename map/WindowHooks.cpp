#include "map/WindowHooks.h"

namespace brambex {

namespace {
std::function<void(int)> themeListHook;
std::function<void(int)> typeListHook;
}  // namespace

void selectThemeInList(int theme) {
    if (themeListHook) themeListHook(theme);
}

void setThemeListHook(std::function<void(int)> hook) { themeListHook = std::move(hook); }

void selectTypeInList(int listPosition) {
    if (typeListHook) typeListHook(listPosition);
}

void setTypeListHook(std::function<void(int)> hook) { typeListHook = std::move(hook); }

}  // namespace brambex
