#include "generators/MapRecipe.h"

#include "map/Translate.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <type_traits>

#include "generators/TypeTable.h"
#include "map/Files.h"

namespace brambex {

namespace {

using P = GenerationParameters;

// Where a field lives: in the type's settings and among the parameters the shell gathers.
template <class S>
struct Binding {
    RecipeField field;
    int S::*member;
    int P::*parameter;
};

// Each type's fields, in the order a code writes them. These tables are the one place that
// copies parameters into a type's settings and back.
constexpr auto bindings(std::type_identity<BnA::Settings>) {
    using S = BnA::Settings;
    return std::array<Binding<S>, 3>{{
        {{'o', QT_TRANSLATE_NOOP("Recipe", "objects"), 0, 50, false}, &S::bnaObjects, &P::bnaObjects},
        {{'s', QT_TRANSLATE_NOOP("Recipe", "style"), 0, 5, false}, &S::bnaStyle, &P::bnaStyle},
        {{'a', QT_TRANSLATE_NOOP("Recipe", "algorithm"), 0, 1, true}, &S::bnaAlgorithm, &P::bnaAlgorithm},
    }};
}
constexpr auto bindings(std::type_identity<Cavern::Settings>) {
    using S = Cavern::Settings;
    return std::array<Binding<S>, 3>{{
        {{'c', QT_TRANSLATE_NOOP("Recipe", "complexity"), 1, 1000, false}, &S::complexity, &P::complexity},
        {{'n', QT_TRANSLATE_NOOP("Recipe", "caves"), 1, 20, false}, &S::numIslands, &P::numIslands},
        {{'o', QT_TRANSLATE_NOOP("Recipe", "objects"), 0, 100, false}, &S::objects, &P::objects},
    }};
}
constexpr auto bindings(std::type_identity<Fort::Settings>) {
    using S = Fort::Settings;
    return std::array<Binding<S>, 1>{{{{'b', QT_TRANSLATE_NOOP("Recipe", "brick"), 0, 2, true}, &S::fortBrick, &P::fortBrick}}};
}
constexpr auto bindings(std::type_identity<Island::Settings>) {
    using S = Island::Settings;
    return std::array<Binding<S>, 3>{{
        {{'c', QT_TRANSLATE_NOOP("Recipe", "complexity"), 10, 1000, false}, &S::complexity, &P::complexity},
        {{'n', QT_TRANSLATE_NOOP("Recipe", "islands"), 1, 20, false}, &S::numIslands, &P::numIslands},
        {{'o', QT_TRANSLATE_NOOP("Recipe", "objects"), 0, 100, false}, &S::objects, &P::objects},
    }};
}
constexpr auto bindings(std::type_identity<Roper::Settings>) { return std::array<Binding<Roper::Settings>, 0>{}; }
constexpr auto bindings(std::type_identity<RR::Settings>) {
    using S = RR::Settings;
    return std::array<Binding<S>, 2>{{
        {{'p', QT_TRANSLATE_NOOP("Recipe", "path size"), 174, 522, false}, &S::pathSize, &P::pathSize},
        {{'b', QT_TRANSLATE_NOOP("Recipe", "no top soil"), 0, 1, false}, &S::noTopSoil, &P::noTopSoil},
    }};
}
constexpr auto bindings(std::type_identity<Shopper::Settings>) {
    using S = Shopper::Settings;
    return std::array<Binding<S>, 2>{{
        {{'o', QT_TRANSLATE_NOOP("Recipe", "objects"), 0, 100, false}, &S::objects, &P::objects},
        {{'l', QT_TRANSLATE_NOOP("Recipe", "layout"), 0, 1, true}, &S::shopperLayout, &P::shopperLayout},
    }};
}
constexpr auto bindings(std::type_identity<SuperSheepRace::Settings>) {
    using S = SuperSheepRace::Settings;
    // The course's way points grow with complexity times area; past what the window offers a
    // large map takes minutes, so no recipe asks for more.
    return std::array<Binding<S>, 3>{{
        {{'p', QT_TRANSLATE_NOOP("Recipe", "path size"), 50, 200, false}, &S::pathSize, &P::pathSize},
        {{'c', QT_TRANSLATE_NOOP("Recipe", "complexity"), 10, MAX_RACE_COMPLEXITY, false}, &S::complexity, &P::complexity},
        {{'m', QT_TRANSLATE_NOOP("Recipe", "smoothing"), 0, 2, false}, &S::smoothing, &P::smoothing},
    }};
}
constexpr auto bindings(std::type_identity<SuperSheeper::Settings>) {
    using S = SuperSheeper::Settings;
    return std::array<Binding<S>, 3>{{
        {{'p', QT_TRANSLATE_NOOP("Recipe", "path size"), 174, 522, false}, &S::pathSize, &P::pathSize},
        {{'d', QT_TRANSLATE_NOOP("Recipe", "padding"), 0, 5, false}, &S::padding, &P::padding},
        {{'o', QT_TRANSLATE_NOOP("Recipe", "objects"), 0, 100, false}, &S::objects, &P::objects},
    }};
}
constexpr auto bindings(std::type_identity<WforW::Settings>) {
    using S = WforW::Settings;
    return std::array<Binding<S>, 1>{{{{'p', QT_TRANSLATE_NOOP("Recipe", "pads"), 20, 60, false}, &S::pads, &P::pads}}};
}

template <class S>
constexpr auto bindingsOf(const S&) {
    return bindings(std::type_identity<S>{});
}

// The settings alternative of a type, default-valued.
TypeSettings defaultSettings(MapType type) {
    TypeSettings settings;
    const auto make = [&]<std::size_t... I>(std::index_sequence<I...>) {
        ((static_cast<std::size_t>(type) == I ? (void)settings.emplace<I>() : void()), ...);
    };
    make(std::make_index_sequence<std::variant_size_v<TypeSettings>>{});
    return settings;
}

bool usesTheme(MapType type) { return typeRow(type).usesTheme; }
bool fixedSize(MapType type) { return typeRow(type).windowFixedSize; }
bool readsMode(MapType type) {
    if (usesTheme(type)) return true;
    return std::visit(
        [](const auto& s) {
            for (const auto& b : bindingsOf(s))
                if (b.field.manualOnly) return true;
            return false;
        },
        defaultSettings(type));
}

// ---- the check

constexpr std::string_view CODE_CHARACTERS = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ.-";
constexpr std::string_view CHECK_CHARACTERS = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";  // no I, L, O, U
constexpr int CHECK_PRIME = 67;  // above the 64 code characters: a changed one always changes the sum

// A weighted sum modulo a prime over the characters (every weight 1..66, so any one changed
// character and any two neighbours swapped change it), joined with a CRC-32 against other slips.
std::string checkOf(std::string_view payload) {
    int weighted = 0;
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < payload.size(); ++i) {
        const auto value = static_cast<int>(CODE_CHARACTERS.find(payload[i]));
        weighted = (weighted + static_cast<int>(i % (CHECK_PRIME - 1) + 1) * (value + 1)) % CHECK_PRIME;
        crc ^= static_cast<unsigned char>(payload[i]);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    crc = ~crc;
    std::uint32_t check = static_cast<std::uint32_t>(weighted) + CHECK_PRIME * (crc % (1048576u / CHECK_PRIME));
    std::string text(4, '0');
    for (int k = 3; k >= 0; --k) {
        text[static_cast<std::size_t>(k)] = CHECK_CHARACTERS[check % 32];
        check /= 32;
    }
    return text;
}

std::string payloadOf(const MapRecipe& r) {
    const TypeRow& row = typeRow(r.type);
    std::string text = std::string(MAP_CODE_FORMAT) + "-" + std::string(row.info().commandName) + "." +
                       std::to_string(r.epoch) + "-" + std::to_string(r.seed) + "-" +
                       (r.theme.manual ? "t" + std::to_string(r.theme.theme) : "r" + std::to_string(r.theme.count));
    if (!fixedSize(r.type)) text += "-" + std::to_string(r.width) + "x" + std::to_string(r.height);
    const std::vector<RecipeField> fields = recipeFields(r.type);
    const std::vector<int> values = fieldValues(r);
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (r.theme.manual || !fields[i].manualOnly) text += "-" + std::string(1, fields[i].letter) + std::to_string(values[i]);
    text += "-w" + std::to_string(r.waterColour);
    if (r.mirror) text += "-mi";
    if (r.fullColour) text += "-fc";
    return text;
}

// A whole decimal number of at most `max`, digits only, no leading zeros.
bool parseNumber(std::string_view text, unsigned long long max, unsigned long long& value) {
    if (text.empty() || text.size() > 10 || (text.size() > 1 && text[0] == '0')) return false;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value <= max;
}

std::vector<std::string_view> split(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == '-') {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    return parts;
}

}  // namespace

template <class S>
S settingsFrom(const GenerationParameters& p) {
    S s;
    for (const auto& b : bindingsOf(s)) s.*b.member = p.*b.parameter;
    return s;
}

template BnA::Settings settingsFrom(const GenerationParameters&);
template Cavern::Settings settingsFrom(const GenerationParameters&);
template Fort::Settings settingsFrom(const GenerationParameters&);
template Island::Settings settingsFrom(const GenerationParameters&);
template Roper::Settings settingsFrom(const GenerationParameters&);
template RR::Settings settingsFrom(const GenerationParameters&);
template Shopper::Settings settingsFrom(const GenerationParameters&);
template SuperSheepRace::Settings settingsFrom(const GenerationParameters&);
template SuperSheeper::Settings settingsFrom(const GenerationParameters&);
template WforW::Settings settingsFrom(const GenerationParameters&);

std::vector<RecipeField> recipeFields(MapType type) {
    return std::visit(
        [](const auto& s) {
            std::vector<RecipeField> fields;
            for (const auto& b : bindingsOf(s)) fields.push_back(b.field);
            return fields;
        },
        defaultSettings(type));
}

std::vector<int> fieldValues(const MapRecipe& recipe) {
    return std::visit(
        [](const auto& s) {
            std::vector<int> values;
            for (const auto& b : bindingsOf(s)) values.push_back(s.*b.member);
            return values;
        },
        recipe.settings);
}

void setFieldValue(MapRecipe& recipe, std::size_t field, int value) {
    std::visit(
        [&](auto& s) {
            const auto list = bindingsOf(s);
            if (field < list.size()) s.*list[field].member = value;
        },
        recipe.settings);
}

SizeRange sizeRange(MapType type) {
    SizeRange range{1920, 1920, 696, 696};
    for (const SettingKey& key : typeRow(type).readerKeys) {
        if (key.key == "width") range.minWidth = key.min, range.maxWidth = key.max;
        if (key.key == "height") range.minHeight = key.min, range.maxHeight = key.max;
    }
    return range;
}

MapRecipe canonical(MapRecipe r) {
    if (r.settings.index() != static_cast<std::size_t>(r.type)) r.settings = defaultSettings(r.type);
    if (fixedSize(r.type)) {
        r.width = 1920;
        r.height = 696;
    }
    if (!usesTheme(r.type)) r.theme.theme = r.theme.count = 0;
    if (!typeRow(r.type).mirrorable) r.mirror = false;
    // A mirrored Shopper map is always a city: the layout choice is not read.
    if (r.mirror && r.type == MapType::Shopper) std::get<Shopper::Settings>(r.settings).shopperLayout = 0;
    // A type that neither draws a theme nor has manual choices does not read the mode at all.
    if (!readsMode(r.type)) r.theme.manual = false;
    if (r.theme.manual) r.theme.count = 0;
    else r.theme.theme = 0;
    if (!r.theme.manual) {
        const std::vector<RecipeField> fields = recipeFields(r.type);
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (fields[i].manualOnly) setFieldValue(r, i, fields[i].min);
    }
    return r;
}

MapRecipe recipeFrom(MapType type, const GenerationParameters& p, std::uint32_t seed, int themeCount) {
    MapRecipe r;
    r.type = type;
    r.epoch = typeRow(type).epoch;
    r.seed = seed;
    r.theme = {p.manualMode, std::clamp(p.themeChoice, 0, MAX_THEME), std::clamp(themeCount, 0, MAX_THEME)};
    const SizeRange size = sizeRange(type);
    r.width = std::clamp(p.width, size.minWidth, size.maxWidth);
    r.height = std::clamp(p.height, size.minHeight, size.maxHeight);
    r.settings = defaultSettings(type);
    r.mirror = p.mirror != 0;
    std::visit(
        [&p](auto& s) {
            s = settingsFrom<std::decay_t<decltype(s)>>(p);
            for (const auto& b : bindingsOf(s)) s.*b.member = std::clamp(s.*b.member, b.field.min, b.field.max);
        },
        r.settings);
    return canonical(r);
}

void applyRecipe(const MapRecipe& r, GenerationParameters& p) {
    p.manualMode = r.theme.manual;
    p.mirror = r.mirror ? 1 : 0;
    if (r.theme.manual) p.themeChoice = r.theme.theme;
    if (!fixedSize(r.type)) {
        p.width = r.width;
        p.height = r.height;
    }
    std::visit(
        [&p, &r](const auto& s) {
            for (const auto& b : bindingsOf(s))
                if (r.theme.manual || !b.field.manualOnly) p.*b.parameter = s.*b.member;
        },
        r.settings);
}

std::string mapCodeCheck(std::string_view payload) { return checkOf(payload); }

std::string mapCode(const MapRecipe& recipe) {
    const std::string payload = payloadOf(canonical(recipe));
    return payload + "-" + checkOf(payload);
}

namespace {

// The parts of a code after the check, read in order; each read says what is wrong, or nothing.
class CodeReader {
public:
    explicit CodeReader(std::vector<std::string_view> parts) : parts_(std::move(parts)) {}
    std::string_view next() { return at_ < parts_.size() ? parts_[at_++] : std::string_view{}; }
    bool nextIs(std::string_view part) {
        if (at_ >= parts_.size() || parts_[at_] != part) return false;
        ++at_;
        return true;
    }
    bool done() const { return at_ == parts_.size(); }

private:
    std::vector<std::string_view> parts_;
    std::size_t at_ = 0;
};

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view spaces = " \t\r\n";
    while (!text.empty() && spaces.find(text.front()) != std::string_view::npos) text.remove_prefix(1);
    while (!text.empty() && spaces.find(text.back()) != std::string_view::npos) text.remove_suffix(1);
    return text;
}

// The text before the check when the code is of our format, of our characters and its check
// matches; otherwise why not.
std::string checkedPayload(std::string_view text, std::string_view& payload) {
    const std::string shown = text.size() > 60 ? std::string(text.substr(0, 57)) + "..." : std::string(text);
    if (text.size() < 3 || text.substr(0, 2) != "BX" || text.find('-') == std::string_view::npos)
        return formatText(translate("Recipe", "\"%s\" is not a map code (a map code starts with %s-).").c_str(), shown.c_str(),
                          std::string(MAP_CODE_FORMAT).c_str());
    if (text.substr(0, text.find('-')) != MAP_CODE_FORMAT)
        return formatText(translate("Recipe", "This map code is of format %s, which this version cannot read (it reads %s).").c_str(),
                          std::string(text.substr(0, text.find('-'))).c_str(), std::string(MAP_CODE_FORMAT).c_str());
    for (char c : text)
        if (CODE_CHARACTERS.find(c) == std::string_view::npos)
            return formatText(translate("Recipe", "The map code has a character no map code has (\"%c\"): check it for a typing error.").c_str(), c);
    const std::size_t last = text.rfind('-');
    payload = text.substr(0, last);
    if (text.substr(last + 1) != checkOf(payload))
        return translate("Recipe", "The map code has a typing error: its last four characters do not match the rest.");
    return {};
}

// Type, epoch, seed and theme: the parts every code has.
std::string readHead(CodeReader& in, MapRecipe& r, const TypeRow*& row) {
    in.next();  // the format, checked already
    const std::string_view typeAndEpoch = in.next();
    const std::size_t dot = typeAndEpoch.find('.');
    const std::string_view name = typeAndEpoch.substr(0, dot);
    for (const TypeRow& t : typeTable())
        if (t.info().commandName == name) row = &t;
    if (!row)
        return formatText(translate("Recipe", "The map code is for a map type this version does not know (\"%s\").").c_str(),
                          std::string(name).c_str());
    unsigned long long epoch = 0, seed = 0, number = 0;
    if (dot == std::string_view::npos || !parseNumber(typeAndEpoch.substr(dot + 1), 1000000, epoch))
        return translate("Recipe", "The map code has no recipe epoch after its type.");
    if (!parseNumber(in.next(), 0xFFFFFFFFull, seed)) return translate("Recipe", "The map code's seed is not a number from 0 to 4294967295.");
    r.type = row->type;
    r.epoch = static_cast<int>(epoch);
    r.seed = static_cast<std::uint32_t>(seed);
    r.settings = defaultSettings(r.type);
    const std::string_view theme = in.next();
    if (theme.empty() || (theme[0] != 't' && theme[0] != 'r') || !parseNumber(theme.substr(1), MAX_THEME, number))
        return translate("Recipe", "The map code's theme is not \"t\" or \"r\" with a number.");
    r.theme.manual = theme[0] == 't';
    (r.theme.manual ? r.theme.theme : r.theme.count) = static_cast<int>(number);
    return {};
}

// The size (types that take one), the type's fields, the water colour and full colour.
std::string readValues(CodeReader& in, MapRecipe& r, const TypeRow& row) {
    unsigned long long number = 0;
    if (!fixedSize(r.type)) {
        const std::string_view size = in.next();
        const std::size_t x = size.find('x');
        unsigned long long w = 0, h = 0;
        if (x == std::string_view::npos || !parseNumber(size.substr(0, x), 1000000, w) || !parseNumber(size.substr(x + 1), 1000000, h))
            return translate("Recipe", "The map code has no size (width x height) where it should.");
        const SizeRange range = sizeRange(r.type);
        if (static_cast<int>(w) < range.minWidth || static_cast<int>(w) > range.maxWidth ||
            static_cast<int>(h) < range.minHeight || static_cast<int>(h) > range.maxHeight)
            return formatText(translate("Recipe", "The map code's size %llu x %llu is outside what %s maps take (%d to %d wide, %d to %d high).").c_str(), w, h,
                              std::string(row.info().listText).c_str(), range.minWidth, range.maxWidth, range.minHeight,
                              range.maxHeight);
        r.width = static_cast<int>(w);
        r.height = static_cast<int>(h);
    }
    const std::vector<RecipeField> fields = recipeFields(r.type);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!r.theme.manual && fields[i].manualOnly) continue;
        const std::string_view part = in.next();
        if (part.empty() || part[0] != fields[i].letter || !parseNumber(part.substr(1), 1000000, number))
            return formatText(translate("Recipe", "The map code has no %s (\"%c\" and a number) where it should.").c_str(),
                              translated("Recipe", std::string(fields[i].name).c_str()).c_str(), fields[i].letter);
        if (static_cast<int>(number) < fields[i].min || static_cast<int>(number) > fields[i].max)
            return formatText(translate("Recipe", "The map code's %s (%llu) is outside %d to %d.").c_str(),
                              translated("Recipe", std::string(fields[i].name).c_str()).c_str(), number,
                              fields[i].min, fields[i].max);
        setFieldValue(r, i, static_cast<int>(number));
    }
    const std::string_view water = in.next();
    if (water.empty() || water[0] != 'w' || !parseNumber(water.substr(1), 4, number))
        return translate("Recipe", "The map code has no water colour (\"w\" and 0 to 4) where it should.");
    r.waterColour = static_cast<int>(number);
    r.mirror = in.nextIs("mi");
    if (r.mirror && !typeRow(r.type).mirrorable)
        return formatText(translate("Recipe", "%s maps cannot be mirrored, and the map code says this one is.").c_str(),
                          std::string(row.info().listText).c_str());
    r.fullColour = in.nextIs("fc");
    if (!in.done())
        return formatText(translate("Recipe", "The map code has more parts than a %s map has.").c_str(), std::string(row.info().listText).c_str());
    return {};
}

}  // namespace

ParsedCode parseMapCode(std::string_view text) {
    ParsedCode out;
    text = trimmed(text);
    std::string_view payload;
    out.error = checkedPayload(text, payload);
    if (!out.error.empty()) return out;
    // The check matched: what is wrong from here on was written so, not mistyped.
    CodeReader in(split(payload));
    MapRecipe r;
    const TypeRow* row = nullptr;
    out.error = readHead(in, r, row);
    if (out.error.empty()) {
        out.epoch = r.epoch;
        out.error = readValues(in, r, *row);
    }
    if (!out.error.empty()) return out;
    // One map, one code: a code written in another form than the program writes is refused.
    if (payloadOf(canonical(r)) != payload) {
        out.error = translate("Recipe", "The map code is not written as this version writes codes.");
        return out;
    }
    if (r.epoch != row->epoch) {
        out.todaysRecipe = r;
        out.todaysRecipe->epoch = row->epoch;
        out.error = formatText(translate("Recipe", "This map code is for %s maps of recipe epoch %d; this version makes epoch %d, "
                                               "which would be a different map.").c_str(),
                               std::string(row->info().listText).c_str(), r.epoch, row->epoch);
        return out;
    }
    out.recipe = r;
    return out;
}

}  // namespace brambex
