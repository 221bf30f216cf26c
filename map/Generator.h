#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "map/GdImage.h"
#include "map/MapTypes.h"
#include "map/PointList.h"
#include "map/ProcessState.h"
#include "map/UserError.h"

namespace brambex {

// One map type. A generator owns its picture and knows the map's type, theme and water colour;
// one is alive at a time (currentGenerator). Each type overrides generate with its recipe; the
// shared steps of a run are plain functions (map/Themes.h, map/ThemeObjects.h,
// generators/RunSteps.h) that take the picture and values they need.
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

    // Fills the polygon through the list's points, in list order, on `image`.
    void fillPointList(const PointList& list, int colour);
    // Roughens a closed outline; a negative maximum means this picture's width or height.
    void subdividePointList(PointList& list, double spacing, int xMin, int xMax, int yMin, int yMax) const;
    // themeId from the settings of theme themeNumber; levelKind 2 for list position 4.
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

    // The parameters this map is made from: a copy of the process-wide values taken when the
    // generator was made (Generate, or the command line). The window may change the live values
    // while the worker runs; the run only ever reads this copy.
    GenerationParameters parameters;

    // What went wrong during the run that the user should hear of (an unwritable preview file);
    // the shell shows it after the run. The map itself is still made.
    std::vector<UserError> runProblems;

protected:
    // Fields cleared, no picture, size from the current parameters.
    explicit Generator(MapType type);
    // Used by the types that always make 1920 x 696 maps from the window.
    Generator(MapType type, int fixedWidth, int fixedHeight);
    // Allocates the three key colours on `image` (true colour: the values do not depend on order).
    void allocateKeyColours();

private:
    MapType type_;
};

// The theme step of beginRun on its own: the manual choice, or rand() % themeCount.
int pickTheme(const GenerationParameters& parameters);

// The live generator, owned by the shell (window or command line).
extern std::unique_ptr<Generator> currentGenerator;

}  // namespace brambex
