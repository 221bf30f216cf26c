#include "generators/TileMaze.h"

#include "map/ArtworkCache.h"
#include "map/RowBands.h"
#include "map/Files.h"
#include "map/Translate.h"

#include <array>
#include <string>

#include "map/Generator.h"
#include "map/ProcessState.h"
#include "map/Random.h"

namespace brambex {

namespace {

constexpr std::array<std::uint32_t, 16> TILE_TABLE = {0, 1, 3, 11, 7, 5, 13, 9, 2, 6, 14, 10, 4, 12, 8, 15};

// Direction d: 0 up, 1 right, 2 down, 3 left; the opening on this side and on the neighbour's.
constexpr int DX[4] = {0, 1, 0, -1};
constexpr int DY[4] = {-1, 0, 1, 0};
constexpr std::uint32_t HERE[4] = {TileMaze::Up, TileMaze::Right, TileMaze::Down, TileMaze::Left};
constexpr std::uint32_t THERE[4] = {TileMaze::Down, TileMaze::Left, TileMaze::Up, TileMaze::Right};

// One cell of the walk in progress: where it is, its first direction and how many it has tried.
struct Frame {
    int x, y, first, tried;
};

}  // namespace

int TileMaze::passages() const {
    int n = 0;
    for (int x = 0; x < cols; ++x)
        for (int y = 0; y < rows; ++y) {
            n += (at(x, y).openings & Right) && x + 1 < cols ? 1 : 0;
            n += (at(x, y).openings & Down) && y + 1 < rows ? 1 : 0;
        }
    return n;
}

TileMaze carveMaze(int cols, int rows, MazeLoops loops) {
    TileMaze maze;
    maze.cols = cols;
    maze.rows = rows;
    maze.cells.assign(static_cast<std::size_t>(cols) * rows, {});
    int sx, sy;
    do {
        sx = rand() % cols - 1;
        sy = rand() % rows - 1;
    } while (sx < 1 || sx > cols - 2 || sy < 1 || sy > rows - 2);
    maze.startX = sx;
    maze.startY = sy;
    maze.at(sx, sy).state = TileMaze::Visited | TileMaze::Start;

    std::vector<Frame> stack;
    stack.reserve(static_cast<std::size_t>(cols) * rows);
    stack.push_back({sx, sy, rand() % 4, 0});
    while (!stack.empty()) {
        Frame& f = stack.back();
        if (f.tried == 4) {
            stack.pop_back();
            continue;
        }
        const int d = (f.first + f.tried) % 4;
        ++f.tried;
        const int nx = f.x + DX[d], ny = f.y + DY[d];
        if (nx < 0 || ny < 0 || nx >= cols || ny >= rows) continue;
        TileMaze::Cell& here = maze.at(f.x, f.y);
        TileMaze::Cell& next = maze.at(nx, ny);
        if (next.state & TileMaze::Visited) {
            if (loops == MazeLoops::OneInSixteen && rand() % 16 == 0) {
                here.openings |= HERE[d];
                next.openings |= THERE[d];
            }
            continue;
        }
        here.openings |= HERE[d];
        next.openings |= THERE[d];
        next.state |= TileMaze::Visited;
        stack.push_back({nx, ny, rand() % 4, 0});  // `f` is not used after this
    }
    return maze;
}

int tileNumber(std::uint32_t openings) {
    for (int k = 0; k < 16; ++k)
        if (TILE_TABLE[k] == openings) return k;
    return 0;
}

void drawTileMaze(gdImagePtr image, const TileMaze& maze, int tileWidth, int tileHeight, const std::filesystem::path& folder,
                  bool startTiles) {
    // Each tile file is read once per run: the same file gives the same picture every time.
    std::array<ImagePtr, 32> cache;
    std::array<bool, 32> wanted{};
    std::vector<int> slots;  // the tiles wanted, in the order the cells are met
    const std::filesystem::path tiles = folder / "tile";
    auto slotOf = [](int number, bool start) { return number + (start ? 16 : 0); };
    for (int x = 0; x < maze.cols; ++x)
        for (int y = 0; y < maze.rows; ++y) {
            const TileMaze::Cell& cell = maze.at(x, y);
            if (!(cell.state & TileMaze::Visited)) continue;
            const int slot = slotOf(tileNumber(cell.openings), startTiles && (cell.state & TileMaze::Start));
            if (!wanted[static_cast<std::size_t>(slot)]) {
                wanted[static_cast<std::size_t>(slot)] = true;
                slots.push_back(slot);
            }
        }
    // Read and stretched to the cell size on both cores: decoding is most of a tile's cost.
    loadOnBothCores(slots.size(), [&](std::size_t i) {
        const int slot = slots[i];
        const bool start = slot >= 16;
        ImagePtr picture = loadTileArt((start ? tiles / "start" : tiles) / (std::to_string(slot % 16) + ".png"));
        if (picture && (picture->sx != tileWidth || picture->sy != tileHeight))
            picture = stretchedCopy(picture.get(), tileWidth, tileHeight);
        cache[static_cast<std::size_t>(slot)] = std::move(picture);
    });
    std::vector<gdImagePtr> cellTile(static_cast<std::size_t>(maze.cols) * maze.rows, nullptr);
    // The maze is drawn by the main tiles; a start tile only marks the start cell.
    bool anyMainTile = false;
    for (int x = 0; x < maze.cols; ++x)
        for (int y = 0; y < maze.rows; ++y) {
            const TileMaze::Cell& cell = maze.at(x, y);
            if (!(cell.state & TileMaze::Visited)) continue;
            const bool start = startTiles && (cell.state & TileMaze::Start);
            gdImagePtr picture = cache[static_cast<std::size_t>(slotOf(tileNumber(cell.openings), start))].get();
            cellTile[static_cast<std::size_t>(y) * maze.cols + x] = picture;
            anyMainTile = anyMainTile || (picture && !start);
        }
    // Cells do not overlap (a tile is exactly a cell): rows of cells are drawn on both cores.
    inRowBands(maze.rows, static_cast<long long>(image->sx) * image->sy, [&](int y0, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = 0; x < maze.cols; ++x)
                if (gdImagePtr picture = cellTile[static_cast<std::size_t>(y) * maze.cols + x])
                    copyPicture(image, picture, x * tileWidth, y * tileHeight);
    });
    // A missing or refused tile leaves its cell as it was; without any the map would be no maze
    // at all (the start tiles alone draw none).
    if (!anyMainTile)
        throw MissingArtwork{formatText(translate("Messages", "No maze tile could be read in %s (the files are missing, damaged or over "
                                                              "the %d x %d pixel limit for tiles).").c_str(),
                                        tiles.c_str(), MAX_TILE_SIZE, MAX_TILE_SIZE)};
}

void buildTileMaze(gdImagePtr image, int cellWidth, int cellHeight, const std::filesystem::path& folder) {
    const int cols = image->sx / cellWidth, rows = image->sy / cellHeight;
    const int tileWidth = image->sx / cols, tileHeight = image->sy / rows;
    const TileMaze maze = carveMaze(cols, rows, MazeLoops::Never);
    drawTileMaze(image, maze, tileWidth, tileHeight, folder, true);
}

}  // namespace brambex
