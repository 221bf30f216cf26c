#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "generators/MapRecipe.h"
#include "generators/TypeTable.h"
#include "shell/window/TypeLayouts.h"
#include "tests/TestSupport.h"

namespace brambex {
namespace {

class TypeTableTest : public test::TempWorkspace {};

TEST_F(TypeTableTest, RowsAreInListOrderAndEveryTypeHasItsOwnName) {
    for (int i = 0; i < MAP_TYPE_COUNT; ++i) EXPECT_EQ(static_cast<int>(typeTable()[i].type), i);
    std::set<std::string_view> names;
    for (const TypeRow& row : typeTable()) names.insert(row.info().commandName);
    EXPECT_EQ(names.size(), static_cast<size_t>(MAP_TYPE_COUNT)) << "two types share a command-line name";
    // Installing a type only needs its marker file, so every row must make its own type.
    for (const TypeRow& row : typeTable()) {
        ASSERT_NE(row.make, nullptr) << row.className;
        EXPECT_EQ(row.make(recipeFrom(row.type, test::params, 1, 0))->mapType(), row.type) << row.className;
    }
}

// A key written but never accepted back would silently lose a saved value.
TEST_F(TypeTableTest, EveryWrittenKeyIsReadBackByTheSameKeyAndNoReadKeyIsNeverWritten) {
    for (const TypeRow& row : typeTable()) {
        SCOPED_TRACE(std::string(row.className));
        EXPECT_EQ(row.writerOrder.size(), row.readerKeys.size());
        for (std::string_view written : row.writerOrder) {
            // The reader takes the first key contained in the word.
            const SettingKey* match = nullptr;
            for (const SettingKey& key : row.readerKeys)
                if (written.find(key.key) != std::string_view::npos) {
                    match = &key;
                    break;
                }
            ASSERT_NE(match, nullptr) << written;
            EXPECT_EQ(match->key, written);
            EXPECT_LE(match->min, match->max);
        }
    }
}

TEST_F(TypeTableTest, WindowPositionsSetOnChangeLieInsideTheRangesSetAtTheSameTime) {
    for (const TypeRow& row : typeTable()) {
        SCOPED_TRACE(std::string(row.className));
        const WindowLayout& w = windowLayout(row.type);
        EXPECT_FALSE(w.statusText.empty());
        for (const SliderPosition& pos : w.positionsOnChange) {
            std::vector<SliderRange> ranges = w.rangesOnChange;
            ranges.insert(ranges.end(), w.ranges.begin(), w.ranges.end());
            auto r = std::find_if(ranges.begin(), ranges.end(),
                                  [&](const SliderRange& s) { return s.slider == pos.slider; });
            ASSERT_NE(r, ranges.end()) << "a position set without a range";
            EXPECT_GE(pos.value, r->min);
            EXPECT_LE(pos.value, r->max);
        }
        for (const SliderRange& r : w.ranges) {
            const bool shown = std::count(w.shown.begin(), w.shown.end(), r.slider) > 0;
            EXPECT_TRUE(shown) << "a range for a slider the type hides";
        }
        // Types with size sliders reset the height when they are chosen; fixed-size ones have none.
        EXPECT_EQ(w.size, w.sizeResetHeight > 0);
        EXPECT_FALSE(row.windowFixedSize && w.size);
    }
}

TEST_F(TypeTableTest, NoTypeAtAListPositionNoInstalledTypeHas) {
    installedTypes.typeInstalled[static_cast<int>(MapType::Island)] = true;
    installedTypes.typeListIndex[static_cast<int>(MapType::Island)] = 0;
    EXPECT_EQ(typeAtListPosition(0), MapType::Island);
    EXPECT_EQ(typeAtListPosition(1), std::nullopt);
}

// Installed but uninstalled types must not shadow a later type at the same position (every
// uninstalled type has list index 0).
TEST_F(TypeTableTest, UninstalledTypesDoNotClaimListPositionZero) {
    installedTypes.typeInstalled[static_cast<int>(MapType::Island)] = true;
    installedTypes.typeListIndex[static_cast<int>(MapType::Island)] = 0;
    for (const TypeRow& row : typeTable())
        if (row.type != MapType::Island) installedTypes.typeListIndex[static_cast<int>(row.type)] = 0;
    EXPECT_EQ(typeAtListPosition(0), MapType::Island);
}

}  // namespace
}  // namespace brambex
