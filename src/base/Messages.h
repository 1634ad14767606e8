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

// The chartwheel: no installed font has the astrological symbols (the
// wheel is still drawn); the question before printing it.
PromptMessage GlyphFontMissing();
PromptMessage WheelPrintSize();
// "Export…" of the wheel window to a file of another ending.
PromptMessage WheelExportEnding();

// The desktop program: the data folder cannot be created or filled.
PromptMessage DataFolderUnusable(const std::string& path);

}  // namespace quaeryn::msg
