#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/MapFileFuzz.h"
#include "map/Files.h"
#include "mapfile/PngChunks.h"
#include "map/ProcessState.h"

// Every file of the fuzzer's corpus (saved maps and the damaged files found or made while
// fuzzing) goes through the readers again on each test run.
TEST(FuzzCorpus, EveryFileReadsWithoutHarm) {
    const std::filesystem::path corpus = std::filesystem::path(BRAMBEX_SOURCE_DIR) / "fuzz" / "corpus";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (!entry.is_regular_file()) continue;
        brambex::Bytes bytes;
        ASSERT_TRUE(brambex::readWholeFile(entry.path(), bytes)) << entry.path();
        EXPECT_EQ(fuzzMapFile(bytes.data(), bytes.size()), 0) << entry.path();
        ++files;
    }
    brambex::resetProcessState();
    EXPECT_GE(files, 3);
}
