#pragma once

#include <filesystem>
#include <memory>

#include "map/GdImage.h"
#include "map/MapTypes.h"
#include "map/PointList.h"

namespace brambex {

// One map type. A generator owns its picture and knows the map's type, theme and water colour;
// one is alive at a time (currentGenerator).
class Generator {
public:
    virtual ~Generator();
    Generator(const Generator&) = delete;
    Generator& operator=(const Generator&) = delete;

    // Virtual operations, in slot order.
    virtual void generate();            // 0: builds the whole map; the base is beginRun
    virtual void prepareObjects();      // 1: loads a type's own object pictures; base: nothing
    virtual void refreshTypeIndex() = 0;  // 2: typeIndex := the type's Game Type list position
    virtual bool hasRoof() const;       // 3: stored in the map file; base: false

    MapType mapType() const { return type_; }

    // Common start of every run: theme, seed, picture and key colours.
    void beginRun();

    void writePreviews(gdImagePtr picture);
    void writePreview(gdImagePtr picture, int previewWidth, int previewHeight,
                      const std::filesystem::path& path);
    void applySoil(const std::filesystem::path& soilPath);
    void loadThemeSettings();
    void fillPointList(const PointList& list, int colour);
    bool findMarker(int& column, int& row) const;
    void placeThemeObjects(gdImagePtr picture, gdImagePtr edges, int floorColour, int ceilingColour,
                           int leftColour, int rightColour, int airColour);
    // Roughens a closed outline; a negative maximum means this picture's width or height.
    void subdividePointList(PointList& list, double spacing, int xMin, int xMax, int yMin, int yMax) const;

    // The shared closing steps of a run.
    void textureLand(int grassMode, bool withObjects);  // edge map, grass and roots, objects
    void applyThemeSoil();                              // soil of the chosen theme
    void setReservedPixels();                           // (0,0) empty, the marker pixel
    void finishRun();                                   // theme settings, previews

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

// The theme step of beginRun on its own: manual choice, or rand() % themeCount.
int pickTheme();

// The live generator, owned by the shell (window or command line).
extern std::unique_ptr<Generator> currentGenerator;

}  // namespace brambex
