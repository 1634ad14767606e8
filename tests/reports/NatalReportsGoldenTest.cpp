// The five natal and supplementary reports of real casts, page by page as
// the Data window and quaeryn-cli show them. Rewritten only by `make golden`.
#include <gtest/gtest.h>

#include "reports/NatalCommands.h"
#include "reports/NatalRun.h"
#include "support/Golden.h"

namespace quaeryn {
namespace {

using test::NatalRun;

TEST(NatalReportsGolden, NatalDataOfRealCasts) {
    NatalRun run;
    const auto lostRing = run.Cast(test::LostRingEntries(), "R");
    const auto sydney = run.Cast(test::SydneyEntries(), "P");
    ASSERT_TRUE(lostRing && sydney);
    EXPECT_GOLDEN("natal_lost_ring.txt", run.Page(&WriteNatalDataCommand, *lostRing));
    EXPECT_GOLDEN("natal_sydney.txt", run.Page(&WriteNatalDataCommand, *sydney));
}

TEST(NatalReportsGolden, AspectGridWithAndWithoutTheMinorAspects) {
    NatalRun run;
    const auto lostRing = run.Cast(test::LostRingEntries(), "R");
    const auto sydney = run.Cast(test::SydneyEntries(), "P");
    ASSERT_TRUE(lostRing && sydney);
    EXPECT_GOLDEN("aspects_lost_ring.txt", run.Page(&WriteNatalAspectsCommand, *lostRing));
    run.options.Set(16, 1);
    EXPECT_GOLDEN("aspects_sydney_minor.txt", run.Page(&WriteNatalAspectsCommand, *sydney));
}

TEST(NatalReportsGolden, SolsticePointsPartsAndAlmutensOfRealCasts) {
    NatalRun run;
    const auto lostRing = run.Cast(test::LostRingEntries(), "R");
    const auto sydney = run.Cast(test::SydneyEntries(), "P");
    ASSERT_TRUE(lostRing && sydney);
    EXPECT_GOLDEN("solstice_lost_ring.txt", run.Page(&WriteSolsticePointsCommand, *lostRing));
    EXPECT_GOLDEN("solstice_sydney.txt", run.Page(&WriteSolsticePointsCommand, *sydney));
    EXPECT_GOLDEN("parts_lost_ring.txt", run.Page(&WriteArabianPartsCommand, *lostRing));
    EXPECT_GOLDEN("almutens_lost_ring.txt", run.Page(&WriteAlmutensCommand, *lostRing));
    EXPECT_GOLDEN("almutens_sydney.txt", run.Page(&WriteAlmutensCommand, *sydney));
}

}  // namespace
}  // namespace quaeryn
