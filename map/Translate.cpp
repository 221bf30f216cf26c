#include "map/Translate.h"

#include <atomic>
#include <string_view>

namespace brambex {

namespace {

std::atomic<TranslateHook> hook{nullptr};

// The printf conversions of a text in order ("%s", "%d", "%lld"...), "%n" and "%%" left out.
std::string conversionsOf(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%') continue;
        std::size_t j = i + 1;
        if (text[j] == '%' || text[j] == 'n') {
            i = j;
            continue;
        }
        while (j < text.size() && std::string_view("0123456789.-+ #lhzjtL").find(text[j]) != std::string_view::npos) ++j;
        if (j < text.size()) out += text.substr(i, j - i + 1) + ' ';
        i = j;
    }
    return out;
}

}  // namespace

std::string printfConversions(const std::string& text) { return conversionsOf(text); }

void setTranslateHook(TranslateHook h) { hook.store(h); }

std::string translate(const char* context, const char* text, const char*, int n) {
    const TranslateHook h = hook.load();
    std::string out = h ? h(context, text, n) : std::string();
    // A translation whose printf conversions differ from the text's would print garbage or read
    // what is not there: the text is shown as written instead.
    if (out.empty() || conversionsOf(out) != conversionsOf(text)) out = text;
    if (n >= 0)
        for (std::size_t at = out.find("%n"); at != std::string::npos; at = out.find("%n", at))
            out.replace(at, 2, std::to_string(n));
    return out;
}

}  // namespace brambex
