// Every message box of the program, with its exact title, text and icon.
#pragma once

#include <string>

#include "base/Prompt.h"

namespace quaeryn::msg {

PromptMessage InputError();
PromptMessage LatitudeTooHigh();
// The entry rules beyond those of the Input Data window's own checks.
PromptMessage NameLineBreak();
PromptMessage EntryNotNumber();
PromptMessage DayPastMonthEnd();
PromptMessage LongitudePast180();
PromptMessage LatitudePast90();
PromptMessage CastFailed(const std::string& reason);
PromptMessage BufferFull();
PromptMessage BufferNearlyFull();
PromptMessage DataCleared();
PromptMessage NoDataToWrite();
PromptMessage NoDataToPrint();
PromptMessage DocumentWriteFailed(const std::string& path);
PromptMessage FixedFontMissing();
PromptMessage PrintOutOfMemory();
PromptMessage OptionsFileNotFound();
PromptMessage RestoreDefaultsFailed();
PromptMessage HelpFileMissing(const std::string& file);
PromptMessage HourEmpty();
PromptMessage HourNotNumber();
PromptMessage NoSunrise();
PromptMessage NoSunset();

// Name files and the time-zone table.
PromptMessage CommaInName();
PromptMessage QuoteInName();
PromptMessage NameMissing();
// The Yes/No question for a stored record of the same name, showing its
// fields as stored.
PromptMessage NameAlreadyExists(const std::string& name, const std::string& date,
                                const std::string& time, const std::string& meridiem,
                                const std::string& zone, const std::string& longitude,
                                const std::string& latitude);
PromptMessage NameFileError();
PromptMessage NameFormatError();
PromptMessage TimeZoneFileCorrupt();
// A data file of the program that is short or holds something other than
// what it should; its table is not used.
PromptMessage DataFileCorrupt(const std::string& file);
// A save refused because the chosen name file cannot be read to its end;
// nothing is written.
PromptMessage NameFileUnreadable(const std::string& path);
// A save refused because a record without a name ends the file's list of
// names early: a record saved after it could not be found.
PromptMessage NameListEndsEarly(const std::string& path);
// A save that could not write the name file or its backup; both are left
// as they were.
PromptMessage NameFileWriteFailed(const std::string& path);
// A save refused because another program is saving into the same name file
// and did not finish within a few seconds; nothing is written.
PromptMessage NameFileBusy(const std::string& path);
// A save refused because the name file or its backup (path) is read-only.
PromptMessage NameFileReadOnly(const std::string& path);
// A save refused because the name file or its backup (path) has other names
// (hard links), which a newly written file would part from it.
PromptMessage NameFileHardLinked(const std::string& path);

// Time zones from the time-zone database. `when` is a moment as
// "2.30 A.M. on 14 Mar 2021"; a reading is a kind and its offset, as
// "summer time (UTC-4)".
PromptMessage ZoneUnknown(const std::string& zone);
PromptMessage ZoneDatabaseMissing();
// A local time the clocks skipped; `jump` says how ("at 2.00 A.M. the clocks
// went forward to 3.00 A.M., as summer time began").
PromptMessage LocalTimeSkipped(const std::string& zone, const std::string& when,
                               const std::string& jump);
// A local time the clocks showed twice: Yes takes the first reading, No the
// second. `change` says how ("at 2.00 A.M. the clocks went back to
// 1.00 A.M., as summer time ended").
PromptMessage LocalTimeRepeated(const std::string& zone, const std::string& when,
                                const std::string& first, const std::string& second,
                                const std::string& change);
// The same, refused when no choice was given.
PromptMessage LocalTimeRepeatedUnchosen(const std::string& zone, const std::string& when,
                                        const std::string& first, const std::string& second);
// A date before the zone had standard time: the time counts as local mean
// time. `offset` is the zone city's own, as "UTC-4:56:02".
PromptMessage LocalMeanTimeUsed(const std::string& zone, const std::string& date,
                                const std::string& offset);

// The chartwheel: no installed font has the astrological symbols (the
// wheel is still drawn); the question before printing it.
PromptMessage GlyphFontMissing();
PromptMessage WheelPrintSize();
// "Export…" of the wheel window to a file of another ending.
PromptMessage WheelExportEnding();

// The desktop program: the data folder cannot be created or filled.
PromptMessage DataFolderUnusable(const std::string& path);

}  // namespace quaeryn::msg
