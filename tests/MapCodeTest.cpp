// The map code: a recipe as one line of text. It must come back as the same recipe, catch a
// mistyped character, and refuse anything it cannot make rather than make another map.

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "generators/MapRecipe.h"
#include "generators/TypeTable.h"
#include "tests/TestSupport.h"

using namespace brambex;

namespace {

// A recipe of `type` with every value drawn within its range.
MapRecipe randomRecipe(MapType type, std::mt19937& random) {
    auto between = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    MapRecipe r;
    r.type = type;
    r.epoch = typeRow(type).epoch;
    r.seed = static_cast<std::uint32_t>(random());
    r.theme.manual = between(0, 1) == 1;
    r.theme.theme = between(0, MAX_THEME);
    r.theme.count = between(0, 40);
    const SizeRange size = sizeRange(type);
    r.width = between(size.minWidth, size.maxWidth);
    r.height = between(size.minHeight, size.maxHeight);
    r = canonical(r);
    const std::vector<RecipeField> fields = recipeFields(type);
    for (std::size_t i = 0; i < fields.size(); ++i) setFieldValue(r, i, between(fields[i].min, fields[i].max));
    r.waterColour = between(0, 4);
    r.fullColour = between(0, 1) == 1;
    return canonical(r);
}

// Two recipes make the same map and file: every value a code holds is equal.
void expectSameRecipe(const MapRecipe& a, const MapRecipe& b, const std::string& code) {
    EXPECT_EQ(a.type, b.type) << code;
    EXPECT_EQ(a.epoch, b.epoch) << code;
    EXPECT_EQ(a.seed, b.seed) << code;
    EXPECT_EQ(a.theme.manual, b.theme.manual) << code;
    EXPECT_EQ(a.theme.theme, b.theme.theme) << code;
    EXPECT_EQ(a.theme.count, b.theme.count) << code;
    EXPECT_EQ(a.width, b.width) << code;
    EXPECT_EQ(a.height, b.height) << code;
    EXPECT_EQ(fieldValues(a), fieldValues(b)) << code;
    EXPECT_EQ(a.waterColour, b.waterColour) << code;
    EXPECT_EQ(a.fullColour, b.fullColour) << code;
}

// A code with the right check for whatever text comes before it.
std::string withCheck(const std::string& payload) { return payload + "-" + mapCodeCheck(payload); }

}  // namespace

TEST(MapCode, EveryRecipeComesBackFromItsCodeForEveryType) {
    std::mt19937 random(20261209);
    for (const TypeRow& row : typeTable()) {
        for (int k = 0; k < 300; ++k) {
            const MapRecipe recipe = randomRecipe(row.type, random);
            const std::string code = mapCode(recipe);
            ASSERT_EQ(code.find_first_not_of("0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ.-"),
                      std::string::npos) << code << ": one token, safe in an address";
            const ParsedCode parsed = parseMapCode(code);
            ASSERT_TRUE(parsed.recipe) << code << ": " << parsed.error;
            expectSameRecipe(*parsed.recipe, recipe, code);
            EXPECT_EQ(mapCode(*parsed.recipe), code);
        }
    }
}

TEST(MapCode, TheEndsOfEveryRangeComeBackToo) {
    for (const TypeRow& row : typeTable()) {
        const std::vector<RecipeField> fields = recipeFields(row.type);
        const SizeRange size = sizeRange(row.type);
        for (int end = 0; end < 2; ++end) {
            MapRecipe r;
            r.type = row.type;
            r.epoch = row.epoch;
            r.seed = end ? 0xFFFFFFFFu : 0;
            r.theme = {true, end ? MAX_THEME : 0, 0};
            r.width = end ? size.maxWidth : size.minWidth;
            r.height = end ? size.maxHeight : size.minHeight;
            r.settings = recipeFrom(row.type, GenerationParameters{}, 0, 0).settings;
            for (std::size_t i = 0; i < fields.size(); ++i) setFieldValue(r, i, end ? fields[i].max : fields[i].min);
            r.waterColour = end ? 4 : 0;
            const ParsedCode parsed = parseMapCode(mapCode(r));
            ASSERT_TRUE(parsed.recipe) << mapCode(r) << ": " << parsed.error;
            expectSameRecipe(*parsed.recipe, canonical(r), mapCode(r));
        }
    }
}

TEST(MapCode, AnyOneCharacterChangedOrTwoNeighboursSwappedIsCaught) {
    std::mt19937 random(7);
    const std::string alphabet = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ.- _/+";
    int tried = 0;
    for (const TypeRow& row : typeTable()) {
        for (int k = 0; k < 2; ++k) {
            const std::string code = mapCode(randomRecipe(row.type, random));
            for (std::size_t at = 0; at < code.size(); ++at) {
                for (char c : alphabet) {
                    if (c == code[at]) continue;
                    std::string typo = code;
                    typo[at] = c;
                    ++tried;
                    const ParsedCode parsed = parseMapCode(typo);
                    EXPECT_FALSE(parsed.recipe || parsed.todaysRecipe) << code << " -> " << typo;
                    EXPECT_FALSE(parsed.error.empty()) << typo;
                }
                if (at + 1 < code.size() && code[at] != code[at + 1]) {
                    std::string swapped = code;
                    std::swap(swapped[at], swapped[at + 1]);
                    EXPECT_FALSE(parseMapCode(swapped).recipe) << code << " -> " << swapped;
                }
                std::string dropped = code;
                dropped.erase(at, 1);
                EXPECT_FALSE(parseMapCode(dropped).recipe) << code << " -> " << dropped;
            }
        }
    }
    EXPECT_GT(tried, 20000);
}

TEST(MapCode, SpacesAroundACodeAreIgnoredAndNothingElseIs) {
    MapRecipe r = recipeFrom(MapType::Cavern, GenerationParameters{}, 42, 6);
    const std::string code = mapCode(r);
    ASSERT_TRUE(parseMapCode("  " + code + "\n").recipe);
    ASSERT_TRUE(parseMapCode("\t" + code + " \r\n").recipe);
    EXPECT_FALSE(parseMapCode(code + " x").recipe);
    EXPECT_FALSE(parseMapCode("x" + code).recipe);
    EXPECT_FALSE(parseMapCode("").recipe);
    EXPECT_FALSE(parseMapCode("   ").recipe);
}

TEST(MapCode, ACodeOfAnotherEpochOrFormatIsRefusedWithItsReason) {
    const int epoch = typeRow(MapType::Cavern).epoch;
    const std::string later = withCheck("BX1-cavern." + std::to_string(epoch + 1) + "-5-t1-1920x696-c50-n1-o50-w0");
    const ParsedCode parsed = parseMapCode(later);
    EXPECT_FALSE(parsed.recipe) << "never turned into this version's map";
    ASSERT_TRUE(parsed.todaysRecipe) << parsed.error;
    EXPECT_EQ(parsed.todaysRecipe->epoch, epoch);
    EXPECT_EQ(parsed.todaysRecipe->seed, 5u);
    EXPECT_NE(parsed.error.find("epoch " + std::to_string(epoch + 1)), std::string::npos) << parsed.error;
    EXPECT_NE(parsed.error.find("makes epoch " + std::to_string(epoch)), std::string::npos) << parsed.error;

    const ParsedCode format = parseMapCode(withCheck("BX2-cavern.1-5-t1-1920x696-c50-n1-o50-w0"));
    EXPECT_FALSE(format.recipe || format.todaysRecipe);
    EXPECT_NE(format.error.find("format BX2"), std::string::npos) << format.error;

    for (const std::string& wrong :
         {withCheck("BX1-castle.1-5-t1-w0"), withCheck("BX1-cavern-5-t1-1920x696-c50-n1-o50-w0"),
          withCheck("BX1-cavern.1-5-t1-1920x696-c5000-n1-o50-w0"), withCheck("BX1-cavern.1-5-t1-100x696-c50-n1-o50-w0"),
          withCheck("BX1-cavern.1-5-t1-1920x696-c50-n1-o50-w9"), withCheck("BX1-cavern.1-5-t1-1920x696-c50-n1-w0"),
          withCheck("BX1-cavern.1-5-t1-1920x696-c50-n1-o50-w0-zz"), withCheck("BX1-cavern.1-05-t1-1920x696-c50-n1-o50-w0"),
          withCheck("BX1-cavern.1-4294967296-t1-1920x696-c50-n1-o50-w0"), withCheck("BX1-fort.1-5-t1-1920x696-b0-w0"),
          withCheck("BX1-bna.1-5-r6-1920x696-o25-s0-a1-w0"), withCheck("BX1-wfw.1-5-t0-p50-w0"), std::string("hello"), std::string("BX1")}) {
        const ParsedCode p = parseMapCode(wrong);
        EXPECT_FALSE(p.recipe || p.todaysRecipe) << wrong;
        EXPECT_FALSE(p.error.empty()) << wrong;
    }
}

TEST(MapCode, OneMapHasOneCode) {
    // Values the type does not read leave the code as it is.
    GenerationParameters p;
    p.manualMode = false;
    p.bnaAlgorithm = 1;  // drawn from the seed outside Manual mode
    p.themeChoice = 4;   // the theme is drawn too
    p.width = 4000;      // Fort is always 1920 x 696
    GenerationParameters q = p;
    q.bnaAlgorithm = 0;
    q.themeChoice = 2;
    EXPECT_EQ(mapCode(recipeFrom(MapType::BnA, p, 9, 6)), mapCode(recipeFrom(MapType::BnA, q, 9, 6)));
    q.width = 1920;
    EXPECT_EQ(mapCode(recipeFrom(MapType::Fort, p, 9, 6)), mapCode(recipeFrom(MapType::Fort, q, 9, 6)));
    // Walk for Weapons reads neither a theme nor the mode.
    q.manualMode = true;
    EXPECT_EQ(mapCode(recipeFrom(MapType::WforW, p, 9, 6)), mapCode(recipeFrom(MapType::WforW, q, 9, 6)));
    // What a type does read changes it.
    q = p;
    q.bnaStyle = 3;
    EXPECT_NE(mapCode(recipeFrom(MapType::BnA, p, 9, 6)), mapCode(recipeFrom(MapType::BnA, q, 9, 6)));
    EXPECT_NE(mapCode(recipeFrom(MapType::BnA, p, 9, 6)), mapCode(recipeFrom(MapType::BnA, p, 9, 7)))
        << "a draw out of another number of themes is another map";
}

TEST(MapCode, ParametersOutsideTheirRangesAreBroughtIntoThemAndComeBackOnTheControls) {
    GenerationParameters p;
    p.width = 100000;
    p.height = 1;
    p.complexity = -5;
    p.numIslands = 99;
    p.objects = 50;
    p.manualMode = true;
    p.themeChoice = 3;
    const MapRecipe r = recipeFrom(MapType::Cavern, p, 1, 6);
    const SizeRange size = sizeRange(MapType::Cavern);
    EXPECT_EQ(r.width, size.maxWidth);
    EXPECT_EQ(r.height, size.minHeight);
    EXPECT_EQ(fieldValues(r), (std::vector<int>{1, 20, 50}));
    GenerationParameters back;
    back.pads = 33;
    applyRecipe(r, back);
    EXPECT_EQ(back.width, size.maxWidth);
    EXPECT_EQ(back.complexity, 1);
    EXPECT_EQ(back.numIslands, 20);
    EXPECT_EQ(back.objects, 50);
    EXPECT_TRUE(back.manualMode);
    EXPECT_EQ(back.themeChoice, 3);
    EXPECT_EQ(back.pads, 33) << "what the recipe does not hold is left alone";
}

TEST(MapCode, EveryTypeHasItsOwnNameAndItsFieldsTheirOwnLetters) {
    std::set<std::string_view> names;
    for (const TypeRow& row : typeTable()) {
        EXPECT_GE(row.epoch, 1) << row.className;
        names.insert(row.info().commandName);
        std::set<char> letters{'w'};  // the water colour's
        for (const RecipeField& f : recipeFields(row.type)) {
            EXPECT_TRUE(letters.insert(f.letter).second) << row.className << " uses " << f.letter << " twice";
            EXPECT_LE(f.min, f.max);
        }
    }
    EXPECT_EQ(names.size(), typeTable().size());
}
