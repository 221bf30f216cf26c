#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "generators/BnA.h"
#include "generators/Cavern.h"
#include "generators/Fort.h"
#include "generators/Island.h"
#include "generators/RR.h"
#include "generators/Roper.h"
#include "generators/Shopper.h"
#include "generators/SuperSheepRace.h"
#include "generators/SuperSheeper.h"
#include "generators/WforW.h"
#include "map/ProcessState.h"

namespace brambex {

// Theme numbers a recipe may name or draw from.
constexpr int MAX_THEME = 9999;

// The type's own settings, one alternative per map type in Game Type order (the alternative's
// index is the MapType's value).
using TypeSettings = std::variant<BnA::Settings, Cavern::Settings, Fort::Settings, Island::Settings, Roper::Settings,
                                  RR::Settings, Shopper::Settings, SuperSheepRace::Settings, SuperSheeper::Settings,
                                  WforW::Settings>;

// How a map's theme is chosen: as given (Manual mode, which also decides the type's manual
// choices: Bow and Arrow's algorithm, Fort's brick, Shopper's layout), or drawn from the seed out
// of `count` themes. The count is part of the recipe: the same draw out of another number of
// themes is another map.
struct ThemeChoice {
    bool manual = false;
    int theme = 0;  // Manual mode: the theme used
    int count = 0;  // otherwise: the number of themes the draw picks from
};

// Everything a map is made from, as a value: the same recipe makes the same pixels in every
// version whose type has the recipe's epoch. Nothing else goes into a run that changes the map.
struct MapRecipe {
    MapType type = MapType::Cavern;
    int epoch = 0;               // the type's recipe epoch this recipe is for
    std::uint32_t seed = 12345;  // the random source is seeded with it
    ThemeChoice theme;
    int width = 1920;            // the fixed-size types are always 1920 x 696
    int height = 696;
    TypeSettings settings;       // the type's own values (the alternative of `type`)
    // What the file records beside the pixels.
    int waterColour = 0;         // 0 "Blue" to 4 "Green"
    bool fullColour = false;     // saved in full colour instead of 64 colours
    // The left half made and mirrored onto the right (only the types whose row allows it): a map
    // even for two teams. Written "mi" after the water colour; off, the code has no part for it.
    bool mirror = false;
};

// One value of a type's settings as a map code writes it: a letter, its range, where it lives in
// the settings and among the window's (or a settings file's) parameters.
struct RecipeField {
    char letter;
    std::string_view name;  // as a person reads it ("complexity")
    int min, max;
    bool manualOnly;        // only Manual mode reads it (otherwise the seed draws it)
};

// The recipe the parameters stand for (the controls, a settings file and the command line's
// options, gathered in `parameters`), with every value brought into its range. `themeCount` is
// the number of installed themes a random theme is drawn from.
MapRecipe recipeFrom(MapType type, const GenerationParameters& parameters, std::uint32_t seed, int themeCount);

// A type's settings as the parameters hold them, unchecked (recipeFrom brings them into range).
// Defined for the ten Settings types.
template <class S>
S settingsFrom(const GenerationParameters& parameters);

// Puts a recipe's values into `parameters` (the window's controls, restored from a map's code);
// the values the recipe does not set are left as they are.
void applyRecipe(const MapRecipe& recipe, GenerationParameters& parameters);

// The recipe in its one canonical form: values the type does not read are cleared (a fixed size,
// the theme of a type that has none, the manual choices outside Manual mode), so one map has one
// code.
MapRecipe canonical(MapRecipe recipe);

// The type's fields as a code writes them, in order, and a recipe's values of them.
std::vector<RecipeField> recipeFields(MapType type);
std::vector<int> fieldValues(const MapRecipe& recipe);
// Sets the i-th field's value (in range or not: codes are checked when parsed).
void setFieldValue(MapRecipe& recipe, std::size_t field, int value);

// A type's valid sizes (what its settings file accepts).
struct SizeRange {
    int minWidth, maxWidth, minHeight, maxHeight;
};
SizeRange sizeRange(MapType type);

// ---- The map code: the recipe as one line of text a person can paste into a chat.
//
//   BX1-cavern.1-1796848488-t3-1920x696-c50-n1-o50-w0-X6YB
//
// format, type (its -t name) and recipe epoch, seed, theme ("t3" theme 3 as chosen, "r7" drawn
// out of 7 themes), size (types that take one), the type's fields (letter and value), water colour,
// "mi" when mirrored, "fc" when saved in full colour, and four check characters. Only [0-9a-zA-Z.-]: one token, safe
// in an address. The check catches any one character changed or two neighbours swapped.

constexpr std::string_view MAP_CODE_FORMAT = "BX1";

std::string mapCode(const MapRecipe& recipe);
// The four check characters of a code's text before them.
std::string mapCodeCheck(std::string_view payload);

struct ParsedCode {
    std::optional<MapRecipe> recipe;  // the code's recipe, of this build's epoch
    std::string error;                // why there is none, in words a user reads
    int epoch = 0;                    // the recipe epoch the code names (0 when it names none)
    // A well-formed code of another epoch of its type: the same settings with this build's
    // epoch, which makes a different map (the window offers it, labelled so).
    std::optional<MapRecipe> todaysRecipe;
};

// Surrounding spaces are ignored; anything else that is not exactly a code this build makes is
// refused with a message, never read as another map.
ParsedCode parseMapCode(std::string_view text);

}  // namespace brambex
