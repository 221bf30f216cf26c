#include "TypeArtwork.h"

namespace artwork {

const std::vector<TypeArtwork>& typeArtwork() {
    // One row per map type with its own pictures, in the order they are written.
    static const std::vector<TypeArtwork> rows{
        {brambex::MapType::BnA, writeBnaArt},
        {brambex::MapType::Fort, writeFortArt},
        {brambex::MapType::RR, writeRopeRaceTiles},
        {brambex::MapType::Shopper, writeShopperArt},
        {brambex::MapType::SuperSheepRace, writeSsraceArt},
        {brambex::MapType::SuperSheeper, writeSuperSheeperTiles},
        {brambex::MapType::WforW, writeWforwArt},
    };
    return rows;
}

}  // namespace artwork
