#include <gtest/gtest.h>

#include "generators/RunSteps.h"
#include "map/Files.h"
#include "map/Generator.h"
#include "map/ProcessState.h"
#include "mapfile/MapFile.h"
#include "mapfile/MapLoader.h"
#include "shell/window/MapEditorModel.h"
#include "tests/TestSupport.h"

using namespace brambex;
namespace fs = std::filesystem;

namespace {

// A map of a few land colours in stripes under a band of air, reserved pixels as a run sets them.
class Striped : public Generator {
public:
    Striped(int w, int h, std::vector<int> colours) : Generator(MapType::Cavern, commonSettingsOf(test::params), w, h) {
        image = createTrueColour(w, h);
        colourBackground = packColour(242, 24, 204);
        colourBlack = 0;
        colourWhite = 0xFFFFFF;
        for (int y = h / 4; y < h; ++y)
            for (int x = 0; x < w; ++x) image->tpixels[y][x] = colours[static_cast<std::size_t>(x / 10) % colours.size()];
        setReservedPixels(*this);
    }
    void generate() override {}
};

class MapEditorTest : public test::TempWorkspace {
protected:
    void SetUp() override {
        TempWorkspace::SetUp();
        test::makeTempFolder();
    }
    void makeMap(std::vector<int> colours, int w = 200, int h = 80) {
        map_ = std::make_unique<Striped>(w, h, std::move(colours));
    }
    std::unique_ptr<Generator> map_;
    static int groupOf(const MapEditorModel& m, Rgb c) {
        for (int g = 0; g < 3; ++g)
            for (const auto& b : m.groups()[g])
                if (b.colour == c) return g;
        return -1;
    }
};

}  // namespace

TEST(ColourClasses, TheLowBitsOfRedAndGreenAndTheMovesBetweenThem) {
    EXPECT_EQ(classOf({100, 50, 7}), ColourClass::Destructable);
    EXPECT_EQ(classOf({101, 51, 7}), ColourClass::Tough);
    EXPECT_EQ(classOf({101, 50, 7}), ColourClass::Indestructable);
    // Down from destructable: red + 1, green made odd, odd blue lowered.
    EXPECT_EQ(harder({100, 50, 7}), (Rgb{101, 51, 6}));
    EXPECT_EQ(harder({100, 51, 8}), (Rgb{101, 51, 8}));
    EXPECT_EQ(harder({101, 51, 9}), (Rgb{101, 50, 8}));
    EXPECT_EQ(harder({101, 50, 9}), (Rgb{101, 50, 9})) << "the hardest stays";
    EXPECT_EQ(softer({101, 50, 9}), (Rgb{101, 51, 8}));
    EXPECT_EQ(softer({101, 51, 8}), (Rgb{100, 50, 8}));
    EXPECT_EQ(softer({100, 50, 7}), (Rgb{100, 50, 7})) << "the softest stays";
    // Round trips land in the same class.
    for (Rgb c : {Rgb{10, 20, 30}, Rgb{11, 21, 31}, Rgb{11, 20, 30}}) {
        EXPECT_EQ(classOf(softer(harder(c))), classOf(c) == ColourClass::Indestructable ? ColourClass::Tough : classOf(c));
        EXPECT_EQ(classOf(harder(softer(c))), classOf(c) == ColourClass::Destructable ? ColourClass::Tough : classOf(c));
    }
}

TEST(ColourClasses, NudgingKeepsTheParityAtBothEnds) {
    EXPECT_EQ(nudged(253, 1), 255);
    EXPECT_EQ(nudged(254, 1), 254) << "not 256 -> 255, which would change the class";
    EXPECT_EQ(nudged(1, -1), 1) << "not 0";
    EXPECT_EQ(nudged(0, -1), 0);
    EXPECT_EQ(nudged(100, 3), 106);
}

TEST_F(MapEditorTest, ColoursAreListedByClassAndMoveWithUpAndDown) {
    makeMap({packColour(100, 60, 40), packColour(101, 61, 40), packColour(151, 90, 40)});
    MapEditorModel editor(map_.get());
    ASSERT_EQ(editor.open(), std::nullopt);
    gdImagePtr im = map_->image.get();
    ASSERT_FALSE(im->trueColor) << "the editor works on a palette";
    EXPECT_EQ(im->red[0] + im->green[0] + im->blue[0], 0);
    EXPECT_EQ(groupOf(editor, {100, 60, 40}), 0);
    EXPECT_EQ(groupOf(editor, {101, 61, 40}), 1);
    EXPECT_EQ(groupOf(editor, {151, 90, 40}), 2);
    const int entry = gdImageColorExact(im, 100, 60, 40);
    ASSERT_GE(entry, 0);
    ASSERT_EQ(editor.selectEntry(entry), std::nullopt);
    EXPECT_EQ(editor.info(), (std::array<std::string, 3>{"100", "60", "40"}));
    ASSERT_EQ(editor.down(), std::nullopt);
    EXPECT_EQ(groupOf(editor, {101, 61, 40}), 1);
    EXPECT_EQ(im->red[entry], 101);
    EXPECT_EQ(im->green[entry] % 2, 1);
    editor.nudge(0, 1);
    EXPECT_EQ(im->red[entry], 103);
    EXPECT_EQ(classOf({im->red[entry], im->green[entry], im->blue[entry]}), ColourClass::Tough);
    // Reopening keeps the selection and its numbers; an editor of another map starts afresh.
    MapEditorModel& again = editor;
    ASSERT_EQ(again.open(), std::nullopt);
    EXPECT_EQ(again.selectedEntry(), entry);
    Striped other(40, 40, {packColour(100, 60, 40)});
    MapEditorModel elsewhere(&other);
    ASSERT_EQ(elsewhere.open(), std::nullopt);
    EXPECT_EQ(elsewhere.selectedEntry(), -1);
    EXPECT_EQ(again.info()[0], "103");
    // Picking on the map selects the pixel's colour; black is ignored.
    ASSERT_EQ(again.pickAt(25, 60), std::nullopt);
    EXPECT_EQ(again.selectedEntry(), gdImageColorExact(im, 151, 90, 40));
    ASSERT_EQ(again.pickAt(5, 2), std::nullopt);
    EXPECT_EQ(again.selectedEntry(), gdImageColorExact(im, 151, 90, 40));
}

TEST_F(MapEditorTest, EnableIndiMaskCreatesOrRecoloursTheMarker) {
    makeMap({packColour(100, 60, 40)}, 200, 80);
    map_->markerX = map_->markerY = -1;  // a map whose marker is not known
    MapEditorModel editor(map_.get());
    ASSERT_EQ(editor.open(), std::nullopt);
    editor.setMaskEnabled(true);
    EXPECT_EQ(map_->markerX, 99);
    EXPECT_EQ(map_->markerY, 79);
    gdImagePtr im = map_->image.get();
    EXPECT_EQ(trueColourAt(im, 99, 79) & 0xFFFFFF, packColour(240, 24, 204));
    editor.setMaskEnabled(false);
    EXPECT_EQ(trueColourAt(im, 99, 79) & 0xFFFFFF, packColour(242, 24, 204));
    EXPECT_FALSE(map_->indiMask);
}

TEST_F(MapEditorTest, AnEditedMapSavesAndLoadsBackWithItsClassesAndMask) {
    makeMap({packColour(100, 60, 40), packColour(120, 80, 20), packColour(141, 90, 40)});
    MapEditorModel editor(map_.get());
    ASSERT_EQ(editor.open(), std::nullopt);
    ASSERT_EQ(editor.selectEntry(gdImageColorExact(map_->image.get(), 120, 80, 20)), std::nullopt);
    ASSERT_EQ(editor.down(), std::nullopt);
    editor.setMaskEnabled(true);
    const auto before = editor.groups();
    const fs::path path = root / "edited.png";
    ASSERT_EQ(saveMap(*map_, path, false), std::nullopt);
    Bytes file;
    ASSERT_TRUE(readWholeFile(path, file));
    EXPECT_TRUE(readSmallChunk(file, "inDI", nullptr, nullptr, nullptr));
    map_ = std::make_unique<Striped>(8, 8, std::vector<int>{0});
    ASSERT_TRUE(loadMapFromBytes(*map_, file, false, installedTypes, currentFolders()));
    EXPECT_TRUE(map_->indiMask);
    MapEditorModel reopened(map_.get());
    ASSERT_EQ(reopened.open(), std::nullopt);
    for (int g = 0; g < 3; ++g) {
        ASSERT_EQ(reopened.groups()[g].size(), before[g].size()) << "group " << g;
        for (std::size_t k = 0; k < before[g].size(); ++k) EXPECT_EQ(reopened.groups()[g][k].colour, before[g][k].colour);
    }
}

TEST_F(MapEditorTest, A256ColourPaletteOfOneClassListsEveryColour) {
    ImagePtr palette(gdImageCreate(256, 64));
    for (int i = 0; i < 256; ++i) gdImageColorAllocate(palette.get(), i == 0 ? 0 : 1 + (i % 127) * 2, 1 + (i / 127) * 2, i);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x) palette->pixels[y][x] = static_cast<unsigned char>(y < 4 ? 0 : x);
    map_ = std::make_unique<Striped>(8, 8, std::vector<int>{0});
    map_->image = std::move(palette);
    map_->markerX = map_->markerY = -1;
    MapEditorModel editor(map_.get());
    ASSERT_EQ(editor.open(), std::nullopt);
    EXPECT_EQ(editor.groups()[1].size(), 255u) << "every land colour has its button";
    EXPECT_TRUE(editor.groups()[0].empty());
    ASSERT_EQ(editor.pickAt(200, 30), std::nullopt);
    EXPECT_EQ(editor.selectedEntry(), 200);
}

TEST_F(MapEditorTest, WithoutAMapNothingHappens) {
    MapEditorModel editor;
    EXPECT_EQ(editor.open(), std::nullopt);
    EXPECT_EQ(editor.info(), (std::array<std::string, 3>{" ", " ", " "}));
    EXPECT_EQ(editor.up(), std::nullopt);
    editor.nudge(0, 1);
    editor.setMaskEnabled(true);
    EXPECT_EQ(editor.selectedEntry(), -1);
}

// Every change can be undone and redone; Cancel puts the map back as the editor found it, the
// palette reduction of a full-colour map included; OK keeps the changes.
TEST_F(MapEditorTest, UndoRedoAndCancelPutThePixelsBack) {
    makeMap({packColour(100, 60, 40), packColour(120, 80, 20), packColour(141, 90, 40)});
    ImagePtr original = trueColourCopy(map_->image.get());
    MapEditorModel editor(map_.get());
    ASSERT_EQ(editor.open(), std::nullopt);
    ImagePtr opened(gdImageClone(map_->image.get()));
    const int entry = gdImageColorExact(map_->image.get(), 120, 80, 20);
    ASSERT_GE(entry, 0);
    ASSERT_EQ(editor.selectEntry(entry), std::nullopt);
    ASSERT_EQ(editor.down(), std::nullopt);
    editor.nudge(2, 3);
    editor.setMaskEnabled(true);
    EXPECT_TRUE(editor.unsaved());
    EXPECT_FALSE(test::samePixels(opened.get(), map_->image.get()));
    ImagePtr changed(gdImageClone(map_->image.get()));
    editor.undo();
    editor.undo();
    editor.undo();
    EXPECT_FALSE(editor.canUndo());
    EXPECT_TRUE(test::samePixels(opened.get(), map_->image.get())) << "every change undone";
    EXPECT_FALSE(map_->indiMask);
    EXPECT_FALSE(editor.unsaved());
    editor.redo();
    editor.redo();
    editor.redo();
    EXPECT_TRUE(test::samePixels(changed.get(), map_->image.get())) << "and done again";
    EXPECT_TRUE(map_->indiMask);
    // A marker made by the IndiMask box goes again with its undo.
    map_->markerX = map_->markerY = -1;
    const int before = trueColourAt(map_->image.get(), 99, 79);
    editor.setMaskEnabled(false);
    editor.undo();
    EXPECT_EQ(trueColourAt(map_->image.get(), 99, 79), before);
    // Cancel: the map as the editor found it, full colour again.
    editor.cancel();
    ASSERT_TRUE(map_->image->trueColor);
    EXPECT_TRUE(test::samePixels(original.get(), map_->image.get()));
    EXPECT_FALSE(editor.unsaved());
    // OK keeps.
    ASSERT_EQ(editor.open(), std::nullopt);
    ASSERT_EQ(editor.selectEntry(gdImageColorExact(map_->image.get(), 120, 80, 20)), std::nullopt);
    ASSERT_EQ(editor.down(), std::nullopt);
    editor.accept();
    EXPECT_TRUE(editor.unsaved());
    editor.markSaved();
    EXPECT_FALSE(editor.unsaved());
}

// A full-colour map is reduced to its 64 colours once, by the reduction the window gives (which
// may run beside it): the same palette as the editor's own, and the marker in its colour.
TEST_F(MapEditorTest, AFullColourMapIsReducedOnceByTheReductionGiven) {
    const std::vector<int> colours{packColour(120, 80, 40), packColour(40, 160, 60), packColour(200, 200, 30)};
    makeMap(colours);
    MapEditorModel own(map_.get());
    ASSERT_EQ(own.open(), std::nullopt);
    ImagePtr expected(gdImageClone(map_->image.get()));

    makeMap(colours);
    MapEditorModel editor(map_.get());
    EXPECT_FALSE(editor.reductionTakesAWhile()) << "a small map is reduced at once";
    int calls = 0;
    const auto reduce = [&](gdImagePtr picture) {
        ++calls;
        EXPECT_EQ(picture, map_->image.get()) << "it is given the map's own picture, to read";
        return quantizeForSave(picture);
    };
    ASSERT_EQ(editor.reduceToPalette(reduce), std::nullopt);
    EXPECT_EQ(calls, 1);
    ASSERT_FALSE(map_->image->trueColor);
    EXPECT_TRUE(test::samePixels(map_->image.get(), expected.get()));
    ASSERT_EQ(editor.reduceToPalette(reduce), std::nullopt);
    EXPECT_EQ(calls, 1) << "a map with its palette is not reduced again";
    ASSERT_EQ(editor.open(), std::nullopt);
    EXPECT_FALSE(editor.groups()[0].empty());

    makeMap(colours, 2000, 1008);
    EXPECT_TRUE(MapEditorModel(map_.get()).reductionTakesAWhile()) << "two million pixels and more: shown while it runs";
}
