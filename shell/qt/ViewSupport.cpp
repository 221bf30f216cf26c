#include "shell/qt/ViewSupport.h"

#include "map/Translate.h"

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
        {C::GameType, QT_TRANSLATE_NOOP("Window", "The kind of map to make")},
        {C::SaveSettings, QT_TRANSLATE_NOOP("Window", "Keep these settings for this map type: they come back the next time it is chosen")},
        {C::Random, QT_TRANSLATE_NOOP("Window", "Let each map pick its own theme and the choices below")},
        {C::Manual, QT_TRANSLATE_NOOP("Window", "Choose the theme and the choices below yourself")},
        {C::Theme, QT_TRANSLATE_NOOP("Window", "The look of the land: soil, grass, roots and decorations")},
        {C::Algorithm, QT_TRANSLATE_NOOP("Window", "How Bow and Arrow spreads its pictures: denser towards the bottom, or anywhere")},
        {C::Style, QT_TRANSLATE_NOOP("Window", "The pictures a Bow and Arrow map is made of")},
        {C::Layout, QT_TRANSLATE_NOOP("Window", "A Shopper map as a street of shops (City) or as a maze of arcades (Maze)")},
        {C::Brick, QT_TRANSLATE_NOOP("Window", "What the forts are built of")},
        {C::Smoothing, QT_TRANSLATE_NOOP("Window", "How round the race course's corners are")},
        {C::Modify, QT_TRANSLATE_NOOP("Window", "Keep this map's seed: Generate makes the same map again with the settings changed")},
        {C::Grass, QT_TRANSLATE_NOOP("Window", "With Modify: give the fort a new hill")},
        {C::NoTopSoil, QT_TRANSLATE_NOOP("Window", "Soil only: no grass on top and no roots below")},
        {C::Mirror, QT_TRANSLATE_NOOP("Window", "Make the left half and mirror it onto the right: a map even for two teams")},
        {C::Teams, QT_TRANSLATE_NOOP("Window", "How many teams the room and balance figures are for (Playable Candidates keeps maps fair for them)")},
        {C::ShowTransparency, QT_TRANSLATE_NOOP("Window", "Show the map's empty space white in the saved previews")},
        {C::ForceFullColour, QT_TRANSLATE_NOOP("Window", "Save the map with all its colours instead of 64")},
        {C::Water, QT_TRANSLATE_NOOP("Window", "The colour of the water under the map in the game")},
        {C::LoadMap, QT_TRANSLATE_NOOP("Window", "Open a saved map (Ctrl+O)")},
        {C::SaveMap, QT_TRANSLATE_NOOP("Window", "Save the map as a new file")},
        {C::EditMap, QT_TRANSLATE_NOOP("Window", "Edit which colours of the map are destructible, tough or indestructible (IndiMask)")},
        {C::Width, QT_TRANSLATE_NOOP("Window", "How wide the map is, in pixels")},
        {C::Height, QT_TRANSLATE_NOOP("Window", "How high the map is, in pixels")},
        {C::PathSize, QT_TRANSLATE_NOOP("Window", "How wide the passages are")},
        {C::Islands, QT_TRANSLATE_NOOP("Window", "How many islands or caves the map has")},
        {C::Complexity, QT_TRANSLATE_NOOP("Window", "How winding the land is: more points on its outline, or more turns in the course")},
        {C::Objects, QT_TRANSLATE_NOOP("Window", "How many decorations stand on the land")},
        {C::BnaObjects, QT_TRANSLATE_NOOP("Window", "How many pictures the map holds")},
        {C::Pads, QT_TRANSLATE_NOOP("Window", "How many weapon crates the building has")},
        {C::Padding, QT_TRANSLATE_NOOP("Window", "How many rows of tiles at the bottom are filled with land")},
        {C::ResetAll, QT_TRANSLATE_NOOP("Window", "Put every setting back as it was when the program started")},
        {C::Generate, QT_TRANSLATE_NOOP("Window", "Make a new map with these settings (Ctrl+G or F5)")},
        {C::Preview, QT_TRANSLATE_NOOP("Window", "The map: drag to move it, turn the wheel to zoom")},
        {C::ThemePreview, QT_TRANSLATE_NOOP("Window", "The chosen theme's soil")},
        {C::StylePreview, QT_TRANSLATE_NOOP("Window", "The chosen style's pictures")},
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
