#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "map/GdImage.h"
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

// A run that cannot make its type's map because the artwork it is made of (a whole tile set, the
// brush that carves the course) is missing or unusable: the shell reports `text`, and no map is
// written. A single missing picture only leaves its part of the map plain.
struct MissingArtwork {
    std::string text;
};

// A run stopped at a step boundary because the shell asked it to (the window's Cancel).
struct RunCancelled {};

// One map type. A generator owns its picture and knows the map's type, theme and water colour.
// A run reads only what the generator holds (its parameters, seed, theme count and data
// folders, copied in before the run) and leaves everything it makes in the generator: the
// picture, the file identity (seed, type, theme, water, marker, IndiMask), the previews in
// memory and the problems to show. Each type overrides generate with its recipe; the shared
// steps of a run are plain functions (map/Themes.h, map/ThemeObjects.h, generators/RunSteps.h)
// that take the picture and values they need.
class Generator {
public:
    virtual ~Generator();
    Generator(const Generator&) = delete;
    Generator& operator=(const Generator&) = delete;

    // Virtual operations, in slot order.
    virtual void generate();          // 0: builds the whole map; the base is beginRun
    virtual void prepareObjects();    // 1: loads a type's own object pictures; base: nothing
    virtual void refreshTypeIndex();  // 2: typeIndex := the type's Game Type list position
    virtual bool hasRoof() const;     // 3: stored in the map file; base: false

    MapType mapType() const { return type_; }

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
    // themeId from the settings of theme themeNumber; levelKind 2 for Roper, the type a full
    // install lists at position 4.
    void loadThemeSettings();
    // Replaces `image` by the soil-textured map (nothing when the soil picture is missing).
    void applySoil(const std::filesystem::path& soilPath);

    ImagePtr image;
    int typeIndex = 0;
    int themeNumber = 0;
    int themeId = 0;
    int levelKind = 0;
    int waterColour = 0;
    int colourBackground = 0;
    int colourBlack = 0;
    int colourWhite = 0;
    int width = 0;
    int height = 0;

    // The choices every type reads, copied in when the generator was made (each type keeps its
    // own settings beside them). The window may change its own values while the worker runs;
    // the run only ever reads these copies.
    CommonSettings common;

    // What the run is given besides the parameters.
    std::uint32_t seed = 12345;  // the random source is seeded with it: the map's identity
    int themeCount = 0;          // installed themes the random choice picks from
    DataFolders folders;         // where the artwork is read
    std::shared_ptr<const std::atomic<bool>> stop;  // set by the shell to end the run early
    bool previewsInRun = true;   // false: the shell makes the previews itself (beside the saving)

    // What the run (or a load) leaves besides the picture.
    int chosenTheme = 0;         // the theme this run chose (its theme list shows it afterwards)
    bool themeChosen = false;    // the recipe chose a theme (Fort and Walk for Weapons do not)
    int markerX = -1;            // the marker pixel; -1 when none is known
    int markerY = -1;
    bool indiMask = false;       // the marker carries the IndiMask colour
    bool hasIdentity = true;     // false for a loaded picture without our chunks: it has no seed
    ImagePtr preview, preview2;  // the two previews (400 x 145 and 960 x 737), made in memory
    std::optional<Playability> playability;  // measured on the finished map by runMap
    std::vector<PadSpot> weaponPads;         // pads the run drew (their reach is measured)

protected:
    // Fields cleared, no picture, size from `parameters`. The seed, theme count and folders start
    // as this process's (the seed the stored one when keepSeed is set, else the time); a run
    // made by runMap replaces them with its request's.
    Generator(MapType type, const GenerationParameters& parameters);
    // Used by the types that always make 1920 x 696 maps.
    Generator(MapType type, const GenerationParameters& parameters, int fixedWidth, int fixedHeight);
    // Allocates the three key colours on `image` (true colour: the values do not depend on order).
    void allocateKeyColours();

private:
    MapType type_;
};

}  // namespace brambex
