// The window's document (the map on screen, its edits, its file), its history and a round of
// Candidates, each on its own.

#include <gtest/gtest.h>

#include "map/GdImage.h"
#include "shell/window/MapHistory.h"
#include "shell/window/MapSession.h"
#include "shell/window/RunController.h"

namespace brambex {
namespace {

namespace fs = std::filesystem;

// A 64 x 32 palette map of two land colours and black.
std::unique_ptr<Map> paletteMap(std::uint32_t seed) {
    auto map = std::make_unique<Map>();
    map->image.reset(gdImageCreate(64, 32));
    gdImagePtr im = map->image.get();
    const int black = gdImageColorAllocate(im, 0, 0, 0);
    const int soil = gdImageColorAllocate(im, 100, 60, 40);
    const int rock = gdImageColorAllocate(im, 150, 150, 150);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) gdImageSetPixel(im, x, y, y < 16 ? black : x < 32 ? soil : rock);
    map->width = 64;
    map->height = 32;
    map->seed = seed;
    map->hasIdentity = true;
    return map;
}

TEST(MapSessionTest, TitleAndSavedStateFollowTheEditsAndTheFile) {
    MapSession session;
    EXPECT_EQ(session.title(), "Untitled - Brambex");
    EXPECT_FALSE(session.unsaved()) << "no map, nothing to lose";
    EXPECT_EQ(session.replace(paletteMap(1)), nullptr);
    ASSERT_EQ(session.editor().open(), std::nullopt);
    ASSERT_EQ(session.editor().selectEntry(1), std::nullopt);
    ASSERT_EQ(session.editor().down(), std::nullopt);
    EXPECT_TRUE(session.unsaved());
    EXPECT_EQ(session.title(), "*Untitled - Brambex");
    EXPECT_FALSE(session.savedEdits());

    session.saved("/tmp/a/mine.png");
    EXPECT_FALSE(session.unsaved());
    EXPECT_TRUE(session.savedEdits());
    EXPECT_EQ(session.title(), "mine.png - Brambex");
    // A change after the save is a change again; undoing it is back at the saved state.
    ASSERT_EQ(session.editor().down(), std::nullopt);
    EXPECT_EQ(session.title(), "*mine.png - Brambex");
    session.editor().undo();
    EXPECT_EQ(session.title(), "mine.png - Brambex");
    // Undone past the save, the map differs from its file again.
    session.editor().undo();
    EXPECT_TRUE(session.unsaved());

    // A new map is a new document: no file, no steps, the old map handed back.
    std::unique_ptr<Map> old = session.replace(paletteMap(2), fs::path("/tmp/b.png"));
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->seed, 1u);
    EXPECT_EQ(session.map()->seed, 2u);
    EXPECT_EQ(session.title(), "b.png - Brambex");
    EXPECT_FALSE(session.editor().canUndo());
    EXPECT_FALSE(session.unsaved());
    EXPECT_EQ(session.editor().map(), session.map()) << "the editor edits the new map";
    session.replace(nullptr, fs::path("/tmp/c.png"));
    EXPECT_FALSE(session.file()) << "no map has no file";
}

TEST(MapSessionTest, ACopyOfAMapIsDeepAndKeepsItsIdentity) {
    std::unique_ptr<Map> map = paletteMap(7);
    map->code = "BX1-code";
    map->waterColour = 3;
    std::unique_ptr<Map> copy = copyOfMap(*map);
    gdImageSetPixel(map->image.get(), 0, 0, 2);
    EXPECT_EQ(gdImageGetPixel(copy->image.get(), 0, 0), 0) << "the copy has its own picture";
    EXPECT_EQ(copy->seed, 7u);
    EXPECT_EQ(copy->code, "BX1-code");
    EXPECT_EQ(copy->waterColour, 3);
}

MapHistory::Entry entry(std::uint32_t seed) {
    MapHistory::Entry e{};
    e.request.recipe.seed = seed;
    e.seed = seed;
    return e;
}

TEST(MapHistoryTest, NewMapsCutWhatWasAheadAndTheOldestGoes) {
    MapHistory history;
    EXPECT_EQ(history.position(), -1);
    for (std::uint32_t s = 0; s < MapHistory::SIZE + 5; ++s) history.add(entry(s));
    ASSERT_EQ(history.entries().size(), MapHistory::SIZE);
    EXPECT_EQ(history[0].seed, 5u) << "the oldest went";
    EXPECT_EQ(history.position(), static_cast<int>(MapHistory::SIZE) - 1);
    EXPECT_EQ(history.shown(), history.position());

    history.moveTo(10);
    history.show(10);
    history.add(entry(1000));
    EXPECT_EQ(history.entries().size(), 12u);
    EXPECT_EQ(history[11].seed, 1000u);
    EXPECT_EQ(history.position(), 11);
    EXPECT_FALSE(history.contains(12));
}

TEST(MapHistoryTest, SavedEditsStayWithTheEntryShownUntilLiveRemakesIt) {
    MapHistory history;
    history.add(entry(1));
    history.add(entry(2));
    history.keepEdited(paletteMap(2), fs::path("/tmp/two.png"));
    ASSERT_TRUE(history[1].edited);
    EXPECT_EQ(*history[1].file, fs::path("/tmp/two.png"));
    // A loaded map on screen is none of the entries: nothing is kept for it.
    history.leave();
    history.keepEdited(paletteMap(9), std::nullopt);
    EXPECT_EQ(history[1].edited->seed, 2u);
    EXPECT_FALSE(history[0].edited);
    // Live made the entry again from new values: it is that recipe now, without the old edits.
    RunRequest remade = history[1].request;
    remade.recipe.width = 1024;
    history.followLive(remade);
    EXPECT_FALSE(history[1].edited);
    EXPECT_FALSE(history[1].file);
    EXPECT_EQ(history[1].request.recipe.width, 1024);
    EXPECT_EQ(history.shown(), 1);
}

TEST(CandidateRoundTest, SeedsFollowOneAnotherUntilEnoughAreKeptOrTheTriesAreSpent) {
    CandidateRound round;
    EXPECT_FALSE(round.nextSeed()) << "no round begun";
    round.begin(2, true, 4294967295u);
    EXPECT_EQ(round.nextSeed(), 4294967295u);
    EXPECT_EQ(round.nextSeed(), 0u) << "seeds wrap as the seed field does";
    EXPECT_FALSE(round.keeps(false)) << "a playable round keeps only playable maps";
    EXPECT_TRUE(round.keeps(true));
    int more = 0;
    while (round.nextSeed()) ++more;
    EXPECT_EQ(more, 6) << "four tries a candidate in all";

    round.begin(2, false, 10);
    EXPECT_TRUE(round.keeps(false));
    round.add({*round.nextSeed(), {}, {}, false});
    round.add({*round.nextSeed(), {}, {}, true});
    EXPECT_FALSE(round.nextSeed()) << "two wanted, two kept";
    EXPECT_EQ(round.kept()[1].seed, 11u);
    round.end();
    EXPECT_FALSE(round.going());
}

}  // namespace
}  // namespace brambex
