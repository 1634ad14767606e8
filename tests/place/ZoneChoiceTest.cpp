#include "place/ZoneChoice.h"

#include <gtest/gtest.h>

#include "support/ScriptedPrompt.h"

namespace quaeryn {
namespace {

using test::ScriptedPrompt;

TEST(ZoneForEntries, AnOrdinaryMomentFillsTheZoneWithoutAWord) {
    struct Case {
        const char* zone;
        LocalMoment at;
        double hoursWest;
        const char* line;
    } cases[] = {
        {"Europe/Paris", {1990, 7, 14, 15, 0}, -2, "Europe/Paris, UTC+2, summer time"},
        {"Europe/Paris", {2020, 7, 1, 12, 0}, -2, "Europe/Paris, UTC+2, summer time"},
        {"America/New_York", {2020, 1, 15, 12, 0}, 5, "America/New_York, UTC-5, standard time"},
        {"Asia/Kathmandu", {2020, 3, 1, 8, 0}, -5.75, "Asia/Kathmandu, UTC+5:45, standard time"},
        {"Australia/Adelaide", {2020, 1, 15, 12, 0}, -10.5,
         "Australia/Adelaide, UTC+10:30, summer time"},
    };
    for (const auto& c : cases) {
        ScriptedPrompt prompt;
        const auto fill =
            ZoneForEntries(SystemZoneDatabase(), c.zone, c.at, RepeatedHour::Ask, prompt);
        ASSERT_TRUE(fill.has_value()) << c.zone;
        EXPECT_EQ(fill->use, ZoneFill::Use::Zone);
        EXPECT_DOUBLE_EQ(fill->offset.hoursWest(), c.hoursWest) << c.zone;
        EXPECT_EQ(fill->line, c.line);
        EXPECT_TRUE(prompt.seen().empty());
    }
}

TEST(ZoneForEntries, ASkippedTimeIsRefused) {
    struct Case {
        const char* zone;
        LocalMoment at;
        const char* text;
    } cases[] = {
        {"America/New_York", {2021, 3, 14, 2, 30},
         "There is no 2.30 A.M. on 14 Mar 2021 in America/New_York: at 2.00 A.M. the clocks went "
         "forward to 3.00 A.M., as summer time began (UTC-5 to UTC-4). Please correct the time."},
        {"Pacific/Apia", {2011, 12, 30, 14, 0},
         "There is no 2.00 P.M. on 30 Dec 2011 in Pacific/Apia: at 12.00 A.M. the clocks went "
         "forward to 12.00 A.M. on 31 Dec 2011, as the zone changed (UTC-10 to UTC+14). Please "
         "correct the time."},
    };
    for (const auto& c : cases) {
        for (const RepeatedHour r : {RepeatedHour::Ask, RepeatedHour::Earlier, RepeatedHour::Later}) {
            ScriptedPrompt prompt;
            prompt.expect("local-time-skipped");
            EXPECT_FALSE(ZoneForEntries(SystemZoneDatabase(), c.zone, c.at, r, prompt));
            ASSERT_EQ(prompt.seen().size(), 1u);
            EXPECT_EQ(prompt.seen()[0].title, "Warning!");
            EXPECT_EQ(prompt.seen()[0].text, c.text);
        }
    }
}

TEST(ZoneForEntries, ARepeatedTimeIsAskedAboutOrTakenAsChosen) {
    const LocalMoment at{2021, 11, 7, 1, 30};
    struct Case {
        RepeatedHour choice;
        PromptAnswer answer;  // to the question, when asked
        double hoursWest;
        const char* line;
    } cases[] = {
        {RepeatedHour::Ask, PromptAnswer::Yes, 4, "America/New_York, UTC-4, summer time"},
        {RepeatedHour::Ask, PromptAnswer::No, 5, "America/New_York, UTC-5, standard time"},
        {RepeatedHour::Earlier, PromptAnswer::Ok, 4, "America/New_York, UTC-4, summer time"},
        {RepeatedHour::Later, PromptAnswer::Ok, 5, "America/New_York, UTC-5, standard time"},
    };
    for (const auto& c : cases) {
        ScriptedPrompt prompt;
        if (c.choice == RepeatedHour::Ask) prompt.expect("local-time-repeated", c.answer);
        const auto fill =
            ZoneForEntries(SystemZoneDatabase(), "America/New_York", at, c.choice, prompt);
        ASSERT_TRUE(fill.has_value());
        EXPECT_DOUBLE_EQ(fill->offset.hoursWest(), c.hoursWest);
        EXPECT_EQ(fill->line, c.line);
        EXPECT_TRUE(prompt.done());
    }

    ScriptedPrompt asked;
    asked.expect("local-time-repeated", PromptAnswer::Yes);
    ZoneForEntries(SystemZoneDatabase(), "America/New_York", at, RepeatedHour::Ask, asked);
    ASSERT_EQ(asked.seen().size(), 1u);
    const PromptMessage& q = asked.seen()[0];
    EXPECT_EQ(q.title, "Information");
    EXPECT_EQ(q.buttons, PromptButtons::YesNo);
    EXPECT_EQ(q.icon, PromptIcon::Question);
    EXPECT_EQ(q.text,
              "1.30 A.M. on 07 Nov 2021 occurs twice in America/New_York: at 2.00 A.M. the clocks "
              "went back to 1.00 A.M., as summer time ended (UTC-4 to UTC-5). The first is in "
              "summer time (UTC-4), the second in standard time (UTC-5).\r\n\r\nDo you mean the "
              "first one, in summer time (UTC-4)?\r\n\r\nAnswering 'NO' takes the second one, in "
              "standard time (UTC-5).");

    ScriptedPrompt refused;
    refused.expect("local-time-repeated-unchosen");
    EXPECT_FALSE(
        ZoneForEntries(SystemZoneDatabase(), "America/New_York", at, RepeatedHour::Refuse, refused));
    ASSERT_EQ(refused.seen().size(), 1u);
    EXPECT_EQ(refused.seen()[0].title, "Warning!");
    EXPECT_EQ(refused.seen()[0].text,
              "1.30 A.M. on 07 Nov 2021 occurs twice in America/New_York: first in summer time "
              "(UTC-4), then again in standard time (UTC-5). Please say which one is meant, the "
              "first or the second.");
}

TEST(ZoneForEntries, BeforeStandardTimeTheLmtBoxIsTicked) {
    ScriptedPrompt prompt;
    prompt.expect("local-mean-time-used");
    const auto fill = ZoneForEntries(SystemZoneDatabase(), "America/New_York", {1850, 3, 1, 9, 15},
                                     RepeatedHour::Ask, prompt);
    ASSERT_TRUE(fill.has_value());
    EXPECT_EQ(fill->use, ZoneFill::Use::LocalMeanTime);
    EXPECT_EQ(fill->offset.kind, ZoneKind::LocalMeanTime);
    EXPECT_EQ(fill->line, "America/New_York, local mean time (LMT)");
    ASSERT_EQ(prompt.seen().size(), 1u);
    EXPECT_EQ(prompt.seen()[0].title, "Information");
    EXPECT_EQ(prompt.seen()[0].text,
              "America/New_York kept no standard time on 01 Mar 1850: its clocks showed local mean "
              "time (UTC-4:56:02 at its own city). The time is taken as local mean time at the "
              "entered longitude (LMT).");

    // The noon New York changed to standard time: the first 12.02 was local
    // mean time.
    ScriptedPrompt noon;
    noon.expect("local-time-repeated", PromptAnswer::Yes).expect("local-mean-time-used");
    const auto first = ZoneForEntries(SystemZoneDatabase(), "America/New_York",
                                      {1883, 11, 18, 12, 2}, RepeatedHour::Ask, noon);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->use, ZoneFill::Use::LocalMeanTime);
    ASSERT_FALSE(noon.seen().empty());
    EXPECT_NE(noon.seen()[0].text.find(
                  "the clocks went back to 12.00 P.M., as standard time began (UTC-4:56:02 to "
                  "UTC-5). The first is in local mean time (UTC-4:56:02), the second in standard "
                  "time (UTC-5)."),
              std::string::npos)
        << noon.seen()[0].text;
    ScriptedPrompt later;
    const auto second = ZoneForEntries(SystemZoneDatabase(), "America/New_York",
                                       {1883, 11, 18, 12, 2}, RepeatedHour::Later, later);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->use, ZoneFill::Use::Zone);
    EXPECT_EQ(second->line, "America/New_York, UTC-5, standard time");
}

TEST(ZoneForEntries, UnknownZonesAndImpossibleMoments) {
    ScriptedPrompt prompt;
    prompt.expect("zone-unknown");
    EXPECT_FALSE(ZoneForEntries(SystemZoneDatabase(), "Mars/Olympus_Mons", {2020, 1, 1, 0, 0},
                                RepeatedHour::Ask, prompt));
    ASSERT_EQ(prompt.seen().size(), 1u);
    EXPECT_EQ(prompt.seen()[0].title, "Warning!");
    EXPECT_EQ(prompt.seen()[0].text,
              "The time zone Mars/Olympus_Mons is not in the time-zone database. Please give a zone "
              "such as America/New_York, Europe/Paris or Asia/Kathmandu.");

    // The entries' own checks speak about a date that does not exist.
    ScriptedPrompt quiet;
    EXPECT_FALSE(ZoneForEntries(SystemZoneDatabase(), "Europe/Paris", {2021, 2, 30, 12, 0},
                                RepeatedHour::Ask, quiet));
    EXPECT_TRUE(quiet.seen().empty());
}

class NoZones final : public ZoneDatabase {
public:
    bool Available() const override { return false; }
    bool Knows(std::string_view) const override { return false; }
    LocalTimeAnswer AtLocalTime(std::string_view, const LocalMoment&) const override { return {}; }
    std::optional<ZoneOffset> AtInstant(std::string_view, std::int64_t) const override {
        return std::nullopt;
    }
};

TEST(ZoneForEntries, WithoutADatabaseTheZoneIsTypedByHand) {
    ScriptedPrompt prompt;
    prompt.expect("zone-database-missing");
    EXPECT_FALSE(ZoneForEntries(NoZones(), "Europe/Paris", {2020, 1, 1, 0, 0}, RepeatedHour::Ask,
                                prompt));
}

TEST(MomentText, TwelveHourClockAndTheProgramsDate) {
    EXPECT_EQ(MomentText({2021, 3, 14, 2, 30}), "2.30 A.M. on 14 Mar 2021");
    EXPECT_EQ(MomentText({2021, 3, 14, 0, 5}), "12.05 A.M. on 14 Mar 2021");
    EXPECT_EQ(MomentText({2021, 3, 14, 12, 0}), "12.00 P.M. on 14 Mar 2021");
    EXPECT_EQ(MomentText({1990, 7, 4, 23, 59}), "11.59 P.M. on 04 Jul 1990");
}

}  // namespace
}  // namespace quaeryn
