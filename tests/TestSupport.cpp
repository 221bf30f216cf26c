#include "tests/TestSupport.h"

#include <unistd.h>
#include <cstdlib>
#include <sstream>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>

#include "generators/Fort.h"
#include "map/Files.h"
#include "map/Generator.h"
#include "map/ProcessState.h"
#include "map/Themes.h"
#include "shell/Messages.h"
#include "shell/Startup.h"

namespace brambex::test {

namespace fs = std::filesystem;

void TempWorkspace::SetUp() {
    std::string pattern = (fs::temp_directory_path() / "brambex-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root = pattern;
    resetProcessState();
    params = GenerationParameters{};
    setWorkingDirectory(root);
    setWarningSink({});
}

void TempWorkspace::TearDown() {
    std::error_code ec;
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(root, ec);
    setWarningSink({});
}

void useBuildArtwork(const fs::path& root, std::initializer_list<const char*> shared,
                     std::initializer_list<const char*> installed) {
    fs::create_directories(root / "data" / "temp");
    for (const char* folder : shared)
        fs::create_directory_symlink(fs::path(BRAMBEX_BUILD_DIR) / "data" / folder, root / "data" / folder);
    for (const char* type : installed) {
        fs::create_directories(root / "data" / type);
        std::ofstream(root / "data" / type / "filecheck.dat");
    }
}

void useWindowWorkspace(const fs::path& root) {
    useBuildArtwork(root, {"generic", "interface"}, {"cavern", "island"});
    setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    detectInstalledTypes();
    countThemes();
}

void useAllBuildData(const fs::path& root) {
    fs::create_directories(root / "data" / "temp");
    for (const auto& entry : fs::directory_iterator(fs::path(BRAMBEX_BUILD_DIR) / "data"))
        if (entry.path().filename() != "temp") fs::create_directory_symlink(entry.path(), root / "data" / entry.path().filename());
}

fs::path writePng(gdImagePtr im, const fs::path& path) {
    fs::create_directories(path.parent_path());
    const auto bytes = encodePng(im);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    EXPECT_NE(f, nullptr) << path;
    if (f) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    return path;
}

ImagePtr solidPicture(int width, int height, int colour) {
    ImagePtr im = createTrueColour(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) im->tpixels[y][x] = colour;
    return im;
}

bool samePixels(gdImagePtr a, gdImagePtr b) {
    if (a->sx != b->sx || a->sy != b->sy) return false;
    for (int y = 0; y < a->sy; ++y)
        for (int x = 0; x < a->sx; ++x)
            if (trueColourAt(a, x, y) != trueColourAt(b, x, y)) return false;
    return true;
}

int crossingPairs(const std::vector<Point>& p, bool closed) {
    const int n = static_cast<int>(p.size());
    const int segments = closed ? n : n - 1;
    int count = 0;
    for (int i = 0; i < segments; ++i)
        for (int j = i + 2; j < segments; ++j) {
            if (closed && i == 0 && j == segments - 1) continue;
            count += segmentsCross(p[i], p[(i + 1) % n], p[j], p[(j + 1) % n]);
        }
    return count;
}

void makeTempFolder() { fs::create_directories(paths.workingDirectory / "data" / "temp"); }

std::string slurp(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

Outcome runProgram(const fs::path& program, const fs::path& folder, const std::string& args, const std::string& before) {
    const std::string cmd = "cd '" + folder.string() + "' && " + before + " XDG_CONFIG_HOME='" + (folder / "config").string() +
                            "' '" + program.string() + "' " + args + " > out.txt 2> err.txt";
    const int status = std::system(cmd.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(folder / "out.txt"), slurp(folder / "err.txt")};
}

}  // namespace brambex::test
