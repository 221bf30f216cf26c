// Team figures on pictures drawn here (where the answer is known by construction), and the
// Mirror option: mirrored maps share their standing room evenly between two teams, and the
// option travels in the code without changing any map made without it.

#include <gtest/gtest.h>

#include "generators/MapRecipe.h"
#include "generators/Run.h"
#include "generators/TypeTable.h"
#include "map/GdImage.h"
#include "map/Playability.h"
#include "shell/CommandLine.h"
#include "shell/Translations.h"
#include "tests/MadeFromParameters.h"
#include "tests/TestSupport.h"

namespace brambex {
namespace {

constexpr int LAND = 0x8B5A2B;

void fill(gdImagePtr im, int x0, int y0, int x1, int y1) {  // inclusive
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) im->tpixels[y][x] = LAND;
}

TEST(TeamFigures, ASymmetricPictureIsEvenAndOneWithAllItsLandLeftIsNot) {
    // A floor with steps, the right half the left half mirrored.
    ImagePtr im = test::solidPicture(800, 200, 0);
    fill(im.get(), 0, 180, 799, 199);
    fill(im.get(), 100, 150, 190, 179);
    fill(im.get(), 609, 150, 699, 179);
    fill(im.get(), 300, 120, 330, 179);
    fill(im.get(), 469, 120, 499, 179);
    const Playability even = measurePlayability(im.get(), CourseKind::None);
    EXPECT_DOUBLE_EQ(teamBalance(even, 2), 1.0);
    EXPECT_EQ(roomForTeams(even), std::min(even.standingPlaces / 8, MAX_TEAMS));

    // Land only on the left third: the right strip of two (and of three) has nowhere to stand.
    ImagePtr left = test::solidPicture(900, 200, 0);
    fill(left.get(), 0, 180, 299, 199);
    const Playability lopsided = measurePlayability(left.get(), CourseKind::None);
    EXPECT_DOUBLE_EQ(teamBalance(lopsided, 2), 0.0);
    EXPECT_DOUBLE_EQ(teamBalance(lopsided, 3), 0.0);
    EXPECT_GT(lopsided.standingPlaces, 0);
    EXPECT_EQ(teamMisses(lopsided, typeRow(MapType::Cavern).playability, 2).size(), 2u) << "no room, no balance";
}

TEST(TeamFigures, StripsShareTheSpotsOnTheirBoundaryAndTheRoomIsCapped) {
    // A floor under the whole width: 400 - 10 + 1 = 391 spot columns. For two teams the box at
    // x 195 has its centre on the line (200): half of it to each side, so the halves are equal.
    ImagePtr im = test::solidPicture(400, 100, 0);
    fill(im.get(), 0, 80, 399, 99);
    const Playability p = measurePlayability(im.get(), CourseKind::None);
    ASSERT_EQ(p.standingColumns.size(), 391u);
    EXPECT_DOUBLE_EQ(teamBalance(p, 2), 1.0);
    // Three strips of 133.3 px, box centres from 5 to 395: 5..133 (129 columns), 134..266 (133),
    // 267..395 (129), one spot each.
    EXPECT_NEAR(teamBalance(p, 3), 129.0 / 133.0, 1e-9);
    EXPECT_EQ(roomForTeams(p), 1) << "10 places hold one team of 8";
    Playability many = p;
    many.standingPlaces = 200;
    EXPECT_EQ(roomForTeams(many), MAX_TEAMS);
    // As the program says it: in English, whose catalogue holds the plurals ("1 team").
    installTranslations();
    EXPECT_NE(playabilitySummary(p, 3).find("room for 1 team \u00b7 balance 0.97 for 3 teams"), std::string::npos)
        << playabilitySummary(p, 3);
    useTranslator(nullptr);
    EXPECT_EQ(playabilitySummary(p, 0).find("balance"), std::string::npos) << "no teams asked, no team figures";
}

class MirrorTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        test::useAllBuildData(root);
    }
    RunResult make(MapType type, std::uint32_t seed, bool mirror) {
        test::params.width = 1280;
        test::params.height = 640;
        test::params.mirror = mirror ? 1 : 0;
        return runMap(test::requestFrom(type, test::params, seed));
    }
};

// Each type that allows it: the halves mirror each other pixel for pixel (but for the reserved
// pixels and a caption), the two teams' standing room is the same, and the code says so.
TEST_F(MirrorTest, MirroredMapsAreEvenForTwoTeams) {
    for (const TypeRow& row : typeTable()) {
        if (!row.mirrorable) continue;
        for (std::uint32_t seed : {1000u, 1001u}) {
            const RunResult made = make(row.type, seed, true);
            ASSERT_TRUE(made.map) << row.className << " " << made.failure;
            const Map& map = *made.map;
            ASSERT_TRUE(map.playability);
            EXPECT_DOUBLE_EQ(teamBalance(*map.playability, 2), 1.0) << row.className << " seed " << seed;
            EXPECT_NE(map.code.find("-mi-"), std::string::npos) << map.code;
            gdImagePtr im = map.image.get();
            int differing = 0;
            for (int y = 1; y < im->sy - 1; ++y)
                for (int x = 0; x < im->sx / 2; ++x)
                    differing += im->tpixels[y][x] != im->tpixels[y][im->sx - 1 - x];
            EXPECT_LT(differing, 7 * 40 * 13) << row.className << ": only a caption may differ";
            for (const PadSpot& pad : map.weaponPads) {
                const bool mirrored = std::any_of(map.weaponPads.begin(), map.weaponPads.end(),
                                                  [&](const PadSpot& o) { return o.x == im->sx - pad.x - PAD_SIZE && o.y == pad.y; });
                EXPECT_TRUE(mirrored) << row.className << ": a pad at " << pad.x << " has no twin";
            }
        }
    }
}

// At the command line's defaults, seeds 1000 to 1019: every mirrored map of every type that
// allows it is even for two teams and still meets its type's thresholds.
TEST_F(MirrorTest, MirroredMapsAtTheDefaultsStayPlayable) {
    for (const TypeRow& row : typeTable()) {
        if (!row.mirrorable) continue;
        for (std::uint32_t seed = 1000; seed < 1020; ++seed) {
            GenerationParameters p = presetParameters();
            row.commandLinePreset(p, seed);
            row.commandLineOverride(p);
            p.mirror = 1;
            const RunResult made = runMap(test::requestFrom(row.type, p, seed));
            ASSERT_TRUE(made.map && made.map->playability) << row.className << " " << seed;
            const Playability& figures = *made.map->playability;
            EXPECT_DOUBLE_EQ(teamBalance(figures, 2), 1.0) << row.className << " " << seed;
            EXPECT_TRUE(playabilityMisses(figures, row.playability).empty())
                << row.className << " seed " << seed << ": " << playabilitySummary(figures);
        }
    }
}

TEST_F(MirrorTest, MirrorOffChangesNothingAndItsCodeIsOneOfAKind) {
    // Off, a map is the map (and the code) made before Mirror existed; on, it is another one.
    const RunResult plain = make(MapType::Cavern, 7, false);
    const RunResult mirrored = make(MapType::Cavern, 7, true);
    ASSERT_TRUE(plain.map && mirrored.map);
    EXPECT_EQ(plain.map->code.find("-mi"), std::string::npos);
    EXPECT_FALSE(test::samePixels(plain.map->image.get(), mirrored.map->image.get()));
    const ParsedCode back = parseMapCode(mirrored.map->code);
    ASSERT_TRUE(back.recipe) << back.error;
    EXPECT_TRUE(back.recipe->mirror);
    EXPECT_EQ(mapCode(*back.recipe), mirrored.map->code);

    // A type that cannot be mirrored has no such code, and a hand-made one is refused.
    MapRecipe fort = recipeFrom(MapType::Fort, test::params, 3, 6);
    EXPECT_FALSE(fort.mirror) << "the option is dropped for Fort";
    std::string payload = "BX1-fort.1-3-r0-w0-mi";
    const ParsedCode refused = parseMapCode(payload + "-" + mapCodeCheck(payload));
    EXPECT_FALSE(refused.recipe);
    EXPECT_NE(refused.error.find("cannot be mirrored"), std::string::npos) << refused.error;

    // A mirrored Shopper is a city, whatever the layout asked: one code for it.
    test::params.manualMode = true;
    test::params.shopperLayout = 1;
    test::params.mirror = 1;
    const MapRecipe shopper = recipeFrom(MapType::Shopper, test::params, 5, 6);
    EXPECT_EQ(std::get<Shopper::Settings>(shopper.settings).shopperLayout, 0);
}

}  // namespace
}  // namespace brambex
