#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "map/GdImage.h"
#include "map/Map.h"
#include "map/MapTypes.h"
#include "map/Playability.h"
#include "map/PointList.h"
#include "map/ProcessState.h"
#include "map/UserError.h"

namespace brambex {

// What every map type reads of the parameters: the theme list's choice, Manual mode, Modify.
struct CommonSettings {
    int themeChoice = 0;
    bool manualMode = false;
    bool keepSeed = false;
};

// The size a map of these parameters is asked for (the fixed-size types replace it) and the
// choices every type reads.
inline CommonSettings commonSettingsOf(const GenerationParameters& p) { return {p.themeChoice, p.manualMode, p.keepSeed}; }

// A run that cannot make its type's map because the artwork it is made of (a whole tile set, the
// brush that carves the course) is missing or unusable: the shell reports `text`, and no map is
// written. A single missing picture only leaves its part of the map plain.
struct MissingArtwork {
    std::string text;
};

// A run stopped at a step boundary because the shell asked it to (the window's Cancel).
struct RunCancelled {};

// The code that follows one map type's recipe. A run makes a generator from the recipe's values,
// lets it draw, and keeps the map it leaves (the Map part: picture, identity, previews, what the
// type remembers); the generator itself is gone when the run ends. A run reads only what the
// generator holds (its settings, seed, theme count and data folders, copied in before the run):
// no process-wide value. Each type overrides generate with its recipe; the shared steps of a run
// are plain functions (map/Themes.h, map/ThemeObjects.h, generators/RunSteps.h) that take the
// picture and values they need.
class Generator : public Map {
public:
    virtual ~Generator();
    Generator(const Generator&) = delete;
    Generator& operator=(const Generator&) = delete;

    // Virtual operations, in slot order.
    virtual void generate();          // 0: builds the whole map; the base is beginRun
    virtual void prepareObjects();    // 1: loads a type's own object pictures; base: nothing

    // Common start of every run: theme, seed, picture and key colours.
    void beginRun();
    // The theme step of beginRun on its own: the manual choice, or rand() % themeCount; kept in
    // chosenTheme.
    int pickTheme();
    // Ends the run with RunCancelled when the shell asked it to stop (called between steps).
    void stopPoint() const {
        if (stop && stop->load(std::memory_order_relaxed)) throw RunCancelled{};
    }

    // Fills the polygon through the list's points, in list order, on `image`.
    void fillPointList(const PointList& list, int colour);
    // Roughens a closed outline; a negative maximum means this picture's width or height.
    void subdividePointList(PointList& list, double spacing, int xMin, int xMax, int yMin, int yMax) const;
    // themeId from the settings of theme themeNumber; the type's level kind.
    void loadThemeSettings();
    // Lays the theme's soil under the land of `image` (nothing when the soil picture is missing).
    void applySoil(const std::filesystem::path& soilPath);

    int colourBackground = 0;
    int colourBlack = 0;
    int colourWhite = 0;

    // The choices every type reads, copied in when the generator was made (each type keeps its
    // own settings beside them).
    CommonSettings common;

    // What the run is given besides the settings.
    int themeCount = 0;          // installed themes the random choice picks from
    DataFolders folders;         // where the artwork is read
    std::shared_ptr<const std::atomic<bool>> stop;  // set by the shell to end the run early
    bool previewsInRun = true;   // false: the shell makes the previews itself (beside the saving)
    // The Mirror option: the left half is mirrored onto the right once the map is drawn; the
    // caption is then cut where the recipe put it, unmirrored.
    bool mirror = false;
    struct Caption {
        int x, y;
        std::string text;
        int colour;
    };
    std::optional<Caption> caption;  // a caption waiting for the mirror

protected:
    // Fields cleared, no picture, the size given (the types that always make 1920 x 696 maps
    // pass that). The seed, theme count and folders are the run's to set.
    Generator(MapType type, const CommonSettings& common, int width, int height);
    // Allocates the three key colours on `image` (true colour: the values do not depend on order).
    void allocateKeyColours();
};

}  // namespace brambex
