#include "shell/qt/ViewSupport.h"

#include "shell/platform/Platform.h"

namespace brambex {

namespace fs = std::filesystem;
using C = Control;

QString qtText(const std::string& s) { return QString::fromStdString(s); }

QString windowSettingsPath() {
    const auto file = platform::windowSettingsFile();
    return file ? QString::fromStdString(file->string()) : QString();
}

const std::map<Control, const char*>& toolTips() {
    static const std::map<Control, const char*> tips{
        {C::GameType, "The kind of map to make"},
        {C::SaveSettings, "Keep these settings for this map type: they come back the next time it is chosen"},
        {C::Random, "Let each map pick its own theme and the choices below"},
        {C::Manual, "Choose the theme and the choices below yourself"},
        {C::Theme, "The look of the land: soil, grass, roots and decorations"},
        {C::Algorithm, "How Bow and Arrow spreads its pictures: denser towards the bottom, or anywhere"},
        {C::Style, "The pictures a Bow and Arrow map is made of"},
        {C::Layout, "A Shopper map as a street of shops (City) or as a maze of arcades (Maze)"},
        {C::Brick, "What the forts are built of"},
        {C::Smoothing, "How round the race course's corners are"},
        {C::Modify, "Keep this map's seed: Generate makes the same map again with the settings changed"},
        {C::Grass, "With Modify: give the fort a new hill"},
        {C::NoTopSoil, "Soil only: no grass on top and no roots below"},
        {C::Mirror, "Make the left half and mirror it onto the right: a map even for two teams"},
        {C::Teams, "How many teams the room and balance figures are for (Playable Candidates keeps maps fair for them)"},
        {C::ShowTransparency, "Show the map's empty space white in the saved previews"},
        {C::ForceFullColour, "Save the map with all its colours instead of 64"},
        {C::Water, "The colour of the water under the map in the game"},
        {C::LoadMap, "Open a saved map (Ctrl+O)"},
        {C::SaveMap, "Save the map as a new file"},
        {C::EditMap, "Edit which colours of the map are destructible, tough or indestructible (IndiMask)"},
        {C::Width, "How wide the map is, in pixels"},
        {C::Height, "How high the map is, in pixels"},
        {C::PathSize, "How wide the passages are"},
        {C::Islands, "How many islands or caves the map has"},
        {C::Complexity, "How winding the land is: more points on its outline, or more turns in the course"},
        {C::Objects, "How many decorations stand on the land"},
        {C::BnaObjects, "How many pictures the map holds"},
        {C::Pads, "How many weapon crates the building has"},
        {C::Padding, "How many rows of tiles at the bottom are filled with land"},
        {C::ResetAll, "Put every setting back as it was when the program started"},
        {C::Generate, "Make a new map with these settings (Ctrl+G or F5)"},
        {C::Preview, "The map: drag to move it, turn the wheel to zoom"},
        {C::ThemePreview, "The chosen theme's soil"},
        {C::StylePreview, "The chosen style's pictures"},
    };
    return tips;
}

QImage loadPicture(const fs::path& path) {
    if (path.empty()) return {};
    QImage image;
    if (!image.load(QString::fromStdString(path.string()))) return {};
    return image;
}

}  // namespace brambex
