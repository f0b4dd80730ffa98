#include "entity.h"

#include <cstdint>
#include <limits>
#include <ostream>

#include <gtest/gtest.h>

#include "named_case.h"

namespace {

constexpr std::int32_t maxCounter = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t minCounter = std::numeric_limits<std::int32_t>::min();

TEST(Entity, StartsWithFullHealthAndAttackTwo) {
    const Entity entity("Brumo");
    EXPECT_EQ(entity.get_name(), "Brumo");
    EXPECT_EQ(entity.get_health(), 10);
    EXPECT_EQ(entity.get_max_health(), 10);
    EXPECT_EQ(entity.get_damage(), 2);
}

TEST(Entity, KeepsNamesOfAnyLength) {
    EXPECT_EQ(Entity("").get_name(), "");
    const std::string longName(10000, 'x');
    EXPECT_EQ(Entity(longName).get_name(), longName);
}

TEST(Entity, NameReturnedIsACopy) {
    const Entity entity("Brumo");
    std::string name = entity.get_name();
    name[0] = 'X';
    EXPECT_EQ(entity.get_name(), "Brumo");
}

TEST(Entity, MoveAssignmentTakesEveryField) {
    Entity source("Brumo");
    source.lower_health(13);
    Entity target("Zorv");
    target = std::move(source);
    EXPECT_EQ(target.get_name(), "Brumo");
    EXPECT_EQ(target.get_health(), -3);
    EXPECT_EQ(target.get_max_health(), 10);
    EXPECT_EQ(target.get_damage(), 2);
}

struct HealthChange {
    const char* name;
    std::int32_t loweredBy; // taken from the starting 10 before the change
    std::int32_t added;
    std::int32_t expected;
};

void PrintTo(const HealthChange& change, std::ostream* out) { *out << change.name; }

class AddHealth : public ::testing::TestWithParam<HealthChange> {};

TEST_P(AddHealth, HealsUpToTheCeilingAndHurtsWithoutFloor) {
    const HealthChange& change = GetParam();
    Entity entity("Brumo");
    entity.lower_health(change.loweredBy);
    entity.add_health(change.added);
    EXPECT_EQ(entity.get_health(), change.expected);
    EXPECT_EQ(entity.get_max_health(), 10);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddHealth,
    ::testing::Values(HealthChange{"AtCeilingStays", 0, 5, 10}, HealthChange{"FromThree", 7, 5, 8},
                      HealthChange{"FromSevenCapped", 3, 5, 10},
                      HealthChange{"ExactlyToCeiling", 5, 5, 10},
                      HealthChange{"FromFiveByFour", 5, 4, 9}, HealthChange{"Zero", 0, 0, 10},
                      HealthChange{"NegativeLowers", 0, -4, 6},
                      HealthChange{"NegativeBelowZero", 0, -15, -5},
                      HealthChange{"FromBelowZeroCapped", 20, 100, 10},
                      HealthChange{"LargestStopsAtCeiling", 0, maxCounter, 10},
                      HealthChange{"SmallestSaturates", 20, minCounter, minCounter}),
    CaseName());

struct HealthLoss {
    const char* name;
    std::int32_t first;
    std::int32_t second;
    std::int32_t expected;
};

void PrintTo(const HealthLoss& loss, std::ostream* out) { *out << loss.name; }

class LowerHealth : public ::testing::TestWithParam<HealthLoss> {};

TEST_P(LowerHealth, LowersByTheValueAndSaturates) {
    const HealthLoss& loss = GetParam();
    Entity entity("Brumo");
    entity.lower_health(loss.first);
    entity.lower_health(loss.second);
    EXPECT_EQ(entity.get_health(), loss.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LowerHealth,
    ::testing::Values(HealthLoss{"ByThree", 3, 0, 7}, HealthLoss{"ToZero", 4, 6, 0},
                      HealthLoss{"BelowZero", 10, 5, -5},
                      HealthLoss{"StopsAtSmallest", maxCounter, maxCounter, minCounter},
                      HealthLoss{"NegativeStopsAtLargest", minCounter, 0, maxCounter}),
    CaseName());

} // namespace
