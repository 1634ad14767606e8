#include "entry/ZoneLink.h"

#include <gtest/gtest.h>

#include "entry/InputRules.h"
#include "support/Entries.h"
#include "support/ScriptedPrompt.h"

namespace quaeryn {
namespace {

using Outcome = ZoneLink::Outcome;

// Entries at a moment given on the 24-hour clock, as the window holds it.
EventEntries At(int year, int month, int day, int hour, int minute, std::string tz = "5") {
    EventEntries e = test::NewYorkEntries();
    e.year = std::to_string(year);
    e.month = std::to_string(month);
    e.day = std::to_string(day);
    e.pm = hour >= 12;
    e.hour = std::to_string(hour % 12 == 0 ? 12 : hour % 12);
    e.minute = std::to_string(minute);
    e.tz = std::move(tz);
    return e;
}

void MoveTo(EventEntries& e, int year, int month, int day, int hour, int minute) {
    const EventEntries to = At(year, month, day, hour, minute);
    e.year = to.year;
    e.month = to.month;
    e.day = to.day;
    e.hour = to.hour;
    e.minute = to.minute;
    e.pm = to.pm;
}

// The facts of the zone files that do not change between their versions.
TEST(ZoneLink, FillsTheZoneBoxWithTheZoneAtTheMomentEntered) {
    struct Case {
        const char* zone;
        EventEntries e;
        const char* tz;
        const char* line;
    } cases[] = {
        {"Europe/Paris", At(2020, 7, 1, 12, 0), "-2", "Europe/Paris, UTC+2, summer time"},
        {"Europe/Paris", At(2020, 1, 15, 12, 0), "-1", "Europe/Paris, UTC+1, standard time"},
        {"America/New_York", At(2020, 1, 15, 12, 0, "0"), "5", "America/New_York, UTC-5, standard time"},
        {"Asia/Kathmandu", At(2020, 6, 1, 9, 0), "-5.75", "Asia/Kathmandu, UTC+5:45, standard time"},
        {"Australia/Adelaide", At(2021, 1, 15, 15, 0), "-10.5", "Australia/Adelaide, UTC+10:30, summer time"},
        {"Asia/Kolkata", At(2020, 6, 1, 0, 30), "-5.5", "Asia/Kolkata, UTC+5:30, standard time"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        test::ScriptedPrompt prompt;
        ZoneLink link;
        EventEntries e = c.e;
        e.lmt = true;  // a zone box filled from a zone keeps zone time
        link.Link(c.zone, e);
        EXPECT_EQ(link.line(), c.zone);
        EXPECT_EQ(link.Settle(e, prompt, false), Outcome::Filled);
        EXPECT_EQ(e.tz, c.tz);
        EXPECT_FALSE(e.lmt);
        EXPECT_EQ(link.line(), c.line);
        // The same moment again is not looked up again.
        EXPECT_EQ(link.Settle(e, prompt, true), Outcome::Kept);
    }
}

TEST(ZoneLink, FollowsTheDateAndTimeUntilTheZoneBoxIsTypedInto) {
    test::ScriptedPrompt prompt;
    ZoneLink link;
    EventEntries e = At(2020, 7, 1, 12, 0);
    link.Link("Europe/Paris", e);
    ASSERT_EQ(link.Settle(e, prompt, false), Outcome::Filled);
    EXPECT_EQ(e.tz, "-2");
    // Winter: the zone follows.
    MoveTo(e, 2020, 12, 24, 23, 0);
    EXPECT_EQ(link.Settle(e, prompt, false), Outcome::Filled);
    EXPECT_EQ(e.tz, "-1");
    EXPECT_EQ(link.line(), "Europe/Paris, UTC+1, standard time");
    // A date being typed fills nothing and keeps the link.
    e.year = "20";
    e.month = "";
    EXPECT_EQ(link.Settle(e, prompt, false), Outcome::Waiting);
    EXPECT_EQ(e.tz, "-1");
    EXPECT_TRUE(link.linked());
    MoveTo(e, 2021, 6, 21, 8, 0);
    EXPECT_EQ(link.Settle(e, prompt, false), Outcome::Filled);
    EXPECT_EQ(e.tz, "-2");
    // Typed by hand: the box is the user's, whatever the date does.
    e.tz = "-1";
    MoveTo(e, 2021, 1, 1, 8, 0);
    EXPECT_EQ(link.Settle(e, prompt, true), Outcome::Unlinked);
    EXPECT_EQ(e.tz, "-1");
    EXPECT_FALSE(link.linked());
    EXPECT_EQ(link.line(), "");
}

// Whatever else changes the zone box or the LMT box drops the link too.
TEST(ZoneLink, AnyOtherChangeOfTheZoneOrLmtBoxDropsTheLink) {
    struct Case {
        const char* why;
        void (*change)(EventEntries&);
    } cases[] = {
        {"the sign rule of a click on W", [](EventEntries& e) { SelectEast(e, false, true); }},
        {"the LMT box ticked by hand", [](EventEntries& e) { e.lmt = true; }},
        {"a stored record's zone", [](EventEntries& e) { e.tz = " 5"; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        test::ScriptedPrompt prompt;
        ZoneLink link;
        EventEntries e = At(2020, 7, 1, 12, 0);
        e.east = true;
        link.Link("Europe/Paris", e);
        ASSERT_EQ(link.Settle(e, prompt, false), Outcome::Filled);
        c.change(e);
        const EventEntries changed = e;
        EXPECT_TRUE(link.Refresh(e));
        EXPECT_FALSE(link.linked());
        MoveTo(e, 2020, 1, 1, 12, 0);
        EXPECT_EQ(link.Settle(e, prompt, true), Outcome::Unlinked);
        EXPECT_EQ(e.tz, changed.tz);
        EXPECT_EQ(e.lmt, changed.lmt);
    }
}

TEST(ZoneLink, ASkippedTimeIsRefusedAndTheZoneBoxKept) {
    test::ScriptedPrompt prompt;
    ZoneLink link;
    EventEntries e = At(2021, 3, 14, 2, 30, "7");
    link.Link("America/New_York", e);
    prompt.expect("local-time-skipped");
    EXPECT_EQ(link.Settle(e, prompt, false), Outcome::Refused);
    EXPECT_TRUE(prompt.done());
    EXPECT_EQ(prompt.seen().back().text,
              "There is no 2.30 A.M. on 14 Mar 2021 in America/New_York: at 2.00 A.M. the clocks went "
              "forward to 3.00 A.M., as summer time began (UTC-5 to UTC-4). Please correct the time.");
    EXPECT_EQ(e.tz, "7");
    EXPECT_EQ(link.refusal().field, EntryField::Hour);
    EXPECT_EQ(link.refusal().Line(), "hour: 2.30 A.M. on 14 Mar 2021 did not occur in America/New_York");
    EXPECT_EQ(link.line(), "America/New_York: no 2.30 A.M. on 14 Mar 2021, the clocks skipped it");
    // Leaving the field again says nothing more; a cast hears it again.
    EXPECT_EQ(link.Settle(e, prompt, false), Outcome::Refused);
    prompt.expect("local-time-skipped");
    EXPECT_EQ(link.Settle(e, prompt, true), Outcome::Refused);
    EXPECT_TRUE(prompt.done());
    // An hour later exists.
    MoveTo(e, 2021, 3, 14, 3, 30);
    EXPECT_EQ(link.Settle(e, prompt, true), Outcome::Filled);
    EXPECT_EQ(e.tz, "4");
    EXPECT_EQ(link.line(), "America/New_York, UTC-4, summer time");
}

TEST(ZoneLink, ARepeatedTimeIsAskedOrTakenAsChosen) {
    struct Case {
        RepeatedHour repeated;
        PromptAnswer answer;  // to the question, when asked
        const char* tz;
        const char* line;
    } cases[] = {
        {RepeatedHour::Ask, PromptAnswer::Yes, "4", "America/New_York, UTC-4, summer time"},
        {RepeatedHour::Ask, PromptAnswer::No, "5", "America/New_York, UTC-5, standard time"},
        {RepeatedHour::Earlier, PromptAnswer::Ok, "4", "America/New_York, UTC-4, summer time"},
        {RepeatedHour::Later, PromptAnswer::Ok, "5", "America/New_York, UTC-5, standard time"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tz);
        test::ScriptedPrompt prompt;
        if (c.repeated == RepeatedHour::Ask) prompt.expect("local-time-repeated", c.answer);
        ZoneLink link;
        EventEntries e = At(2021, 11, 7, 1, 30, "");
        link.Link("America/New_York", e, c.repeated);
        EXPECT_EQ(link.Settle(e, prompt, false), Outcome::Filled);
        EXPECT_TRUE(prompt.done());
        EXPECT_EQ(e.tz, c.tz);
        EXPECT_EQ(link.line(), c.line);
        // Answered once: the cast does not ask again.
        EXPECT_EQ(link.Settle(e, prompt, true), Outcome::Kept);
    }
    // Without a choice (the command line without --earlier or --later).
    test::ScriptedPrompt prompt;
    prompt.expect("local-time-repeated-unchosen");
    ZoneLink link;
    EventEntries e = At(2021, 11, 7, 1, 30, "");
    link.Link("America/New_York", e, RepeatedHour::Refuse);
    EXPECT_EQ(link.Settle(e, prompt, true), Outcome::Refused);
    EXPECT_EQ(e.tz, "");
    EXPECT_EQ(link.refusal().Line(), "hour: 1.30 A.M. on 07 Nov 2021 occurs twice in America/New_York");
}

// The LMT box is ticked and the zone box takes the mean time of the
// entered longitude, not the zone city's: 73 degrees 58 minutes West is
// 4 hours 55 minutes 52 seconds.
TEST(ZoneLink, BeforeStandardTimeTheLmtBoxIsTickedInsteadOfAZone) {
    test::ScriptedPrompt prompt;
    ZoneLink link;
    EventEntries e = At(1850, 3, 1, 9, 15, "");
    link.Link("America/New_York", e);
    prompt.expect("local-mean-time-used");
    EXPECT_EQ(link.Settle(e, prompt, false), Outcome::Filled);
    EXPECT_TRUE(e.lmt);
    EXPECT_EQ(e.tz, "4.9311");
    EXPECT_EQ(link.line(), "America/New_York, local mean time (LMT)");
    EXPECT_EQ(link.Settle(e, prompt, true), Outcome::Kept);
    // A longitude corrected afterwards is followed, without a word.
    e.longDeg = "74";
    e.longMin = "0";
    EXPECT_EQ(link.Settle(e, prompt, true), Outcome::Filled);
    EXPECT_EQ(e.tz, "4.9333");
    // The same place in 2020 keeps zone time again.
    MoveTo(e, 2020, 1, 15, 12, 0);
    EXPECT_EQ(link.Settle(e, prompt, false), Outcome::Filled);
    EXPECT_FALSE(e.lmt);
    EXPECT_EQ(e.tz, "5");
    // East of Greenwich the mean time is ahead.
    EventEntries east = At(1850, 3, 1, 9, 15, "");
    east.longDeg = "2";
    east.longMin = "20";
    east.east = true;
    link.Link("Europe/Paris", east);
    prompt.expect("local-mean-time-used");
    EXPECT_EQ(link.Settle(east, prompt, false), Outcome::Filled);
    EXPECT_TRUE(east.lmt);
    EXPECT_EQ(east.tz, "-0.1556");
}

TEST(ZoneLink, AZoneTheDatabaseDoesNotKnowIsRefused) {
    test::ScriptedPrompt prompt;
    ZoneLink link;
    EventEntries e = At(2020, 7, 1, 12, 0);
    link.Link("Mars/Olympus_Mons", e);
    prompt.expect("zone-unknown");
    EXPECT_EQ(link.Settle(e, prompt, true), Outcome::Refused);
    EXPECT_EQ(link.refusal().field, EntryField::Zone);
    EXPECT_EQ(e.tz, "5");
}

// "NOW" wrote the computer's zone: the link starts settled, so the present
// moment is never asked about (it may be a repeated hour), and a later
// moment follows the computer's zone.
TEST(ZoneLink, NowStartsSettledAndFollowsTheComputersZone) {
    test::ScriptedPrompt prompt;
    ZoneLink link;
    EventEntries e = At(2021, 11, 7, 1, 30, "4");
    link.LinkFilled("America/New_York", e, "America/New_York, UTC-4, summer time");
    EXPECT_EQ(link.Settle(e, prompt, true), Outcome::Kept);
    EXPECT_EQ(e.tz, "4");
    MoveTo(e, 2021, 12, 1, 12, 0);
    EXPECT_EQ(link.Settle(e, prompt, true), Outcome::Filled);
    EXPECT_EQ(e.tz, "5");
    // A computer whose zone has no name: a line, no link.
    link.LinkFilled("", e, "UTC+9, standard time");
    EXPECT_FALSE(link.linked());
    EXPECT_EQ(link.line(), "UTC+9, standard time");
    e.tz = "-8";
    EXPECT_TRUE(link.Refresh(e));
    EXPECT_EQ(link.line(), "");
}

}  // namespace
}  // namespace quaeryn
