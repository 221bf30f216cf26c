#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "map/Random.h"

using namespace brambex;

TEST(Random, SeedOneGivesTheKnownSequence) {
    brambex::srand(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int value : expected) EXPECT_EQ(brambex::rand(), value);
}

TEST(Random, ReseedingRestartsTheSequenceAndValuesStayIn15Bits) {
    brambex::srand(12345);
    std::vector<int> first;
    for (int i = 0; i < 1000; ++i) {
        first.push_back(brambex::rand());
        ASSERT_GE(first.back(), 0);
        ASSERT_LE(first.back(), 32767);
    }
    brambex::srand(12345);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(brambex::rand(), first[i]) << "draw " << i;
}

TEST(Random, EachThreadHasItsOwnState) {
    brambex::srand(1);
    EXPECT_EQ(brambex::rand(), 41);
    int otherFirst = -1;
    std::thread other([&] {
        brambex::srand(999);
        for (int i = 0; i < 50; ++i) brambex::rand();
        brambex::srand(1);
        otherFirst = brambex::rand();
    });
    other.join();
    EXPECT_EQ(otherFirst, 41);
    // The other thread's draws did not move this thread's sequence.
    EXPECT_EQ(brambex::rand(), 18467);
}
