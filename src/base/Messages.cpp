#include "base/Messages.h"

#include "base/TextEncoding.h"

namespace quaeryn::msg {

namespace {
PromptMessage Make(const char* id, const char* title, std::string text, PromptIcon icon) {
    return PromptMessage{id, title, std::move(text), {}, icon, PromptButtons::Ok};
}
}  // namespace

PromptMessage InputError() {
    return Make("input-error", "Warning!", "Error in natal input data section. Please correct.",
                PromptIcon::Information);
}

PromptMessage LatitudeTooHigh() {
    return Make("latitude-too-high", "Warning!",
                "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house "
                "systems.",
                PromptIcon::Information);
}

PromptMessage NameLineBreak() {
    return Make("name-line-break", "Warning!",
                "Error in natal input data section. The name cannot hold a line break. Please correct.",
                PromptIcon::Information);
}

PromptMessage EntryNotNumber() {
    return Make("entry-not-number", "Warning!",
                "Error in natal input data section. Date, time and place take whole numbers typed as digits, "
                "and the time zone a number of hours. Please correct.",
                PromptIcon::Information);
}

PromptMessage DayPastMonthEnd() {
    return Make("day-past-month-end", "Warning!",
                "Error in natal input data section. The day is past the end of its month. Please correct.",
                PromptIcon::Information);
}

PromptMessage LongitudePast180() {
    return Make("longitude-past-180", "Warning!",
                "Error in natal input data section. A longitude cannot pass 180 degrees 00 minutes. Please "
                "correct.",
                PromptIcon::Information);
}

PromptMessage LatitudePast90() {
    return Make("latitude-past-90", "Warning!",
                "Error in natal input data section. A latitude cannot pass 90 degrees 00 minutes. Please "
                "correct.",
                PromptIcon::Information);
}

PromptMessage CastFailed(const std::string& reason) {
    return Make("cast-failed", "Error!",
                "The chart cannot be computed for these entries (" + reason +
                    "). Please check the date, time and place.",
                PromptIcon::Critical);
}

PromptMessage BufferFull() {
    return Make("buffer-full", "Warning!",
                "Buffer cannot hold any more data. Please print and/or clear data buffer before "
                "displaying any more data. This message may appear up to 35 times depending on how "
                "full the buffer is and how much the program wants to write to it.",
                PromptIcon::Critical);
}

PromptMessage BufferNearlyFull() {
    return Make("buffer-nearly-full", "Warning!",
                "The data buffer is nearly full. Please consider clearing the data buffer by clicking "
                "on the 'Clear all data' menu item.",
                PromptIcon::Information);
}

PromptMessage DataCleared() {
    return Make("data-cleared", "Information!", "All data cleared from buffer.",
                PromptIcon::Exclamation);
}

PromptMessage NoDataToWrite() {
    return Make("no-data-to-write", "Information", "No data to write to file.",
                PromptIcon::Exclamation);
}

PromptMessage NoDataToPrint() {
    return Make("no-data-to-print", "Information", "No data to print.", PromptIcon::Exclamation);
}

PromptMessage DocumentWriteFailed(const std::string& path) {
    return Make("document-write-failed", "Error!",
                "The file " + path + " could not be written. Nothing was saved.",
                PromptIcon::Critical);
}

PromptMessage FixedFontMissing() {
    return Make("font-missing", "Information!",
                "You must have the COURIER NEW font installed in Windows. Please add this font "
                "through CONTROL PANEL - FONTS.",
                PromptIcon::Exclamation);
}

PromptMessage PrintOutOfMemory() {
    return Make("print-out-of-memory", "Warning!",
                "Out of memory. I will print what I can. The remainder will be lost.",
                PromptIcon::Critical);
}

PromptMessage OptionsFileNotFound() {
    return Make("options-not-found", "Warning!", "File Not Found", PromptIcon::Information);
}

PromptMessage RestoreDefaultsFailed() {
    return Make("restore-defaults-failed", "Warning!",
                "Error in operation. Cannot do what is requested.", PromptIcon::Information);
}

PromptMessage HelpFileMissing(const std::string& file) {
    return Make("help-file-missing", "Warning!", "The help file " + file + " cannot be found.",
                PromptIcon::Information);
}

PromptMessage HourEmpty() {
    return Make("hour-empty", "Warning!", "Please fill in a value for birth hour.",
                PromptIcon::Information);
}

PromptMessage HourNotNumber() {
    return Make("hour-not-number", "Warning!", "You are typing too fast. Please slow down.",
                PromptIcon::Information);
}

PromptMessage NoSunrise() {
    return Make("no-sunrise", "Warning!", "I cannot find sunrise. The latitude is too extreme.",
                PromptIcon::Information);
}

PromptMessage NoSunset() {
    return Make("no-sunset", "Warning!", "I cannot find sunset. The latitude is too extreme.",
                PromptIcon::Information);
}

PromptMessage CommaInName() {
    return Make("name-comma", "Warning!",
                "You cannot have a comma in the name. Please remove the comma and try again.",
                PromptIcon::Critical);
}

PromptMessage QuoteInName() {
    return Make("name-quote", "Warning!",
                "You cannot have a double quotation mark in the name. Please remove it and try again.",
                PromptIcon::Critical);
}

PromptMessage NameMissing() {
    return Make("name-missing", "Warning!",
                "Please fill in a name for the chart before saving it. A record without a name "
                "would end the list of names.",
                PromptIcon::Critical);
}

PromptMessage NameAlreadyExists(const std::string& name, const std::string& date,
                                const std::string& time, const std::string& meridiem,
                                const std::string& zone, const std::string& longitude,
                                const std::string& latitude) {
    // The fields as stored, shown as text (a Windows-era record is read as
    // Windows-1252), each on its own.
    const std::string nl = "\r\n";
    PromptMessage m;
    m.id = "name-exists";
    m.title = DisplayText(name) + " already exists";
    m.text = "There is already a name on file matching your current name with the following "
             "associated data: " +
             nl + nl + "Date =  " + DisplayText(date) + nl + "Time =  " + DisplayText(time) + " " +
             DisplayText(meridiem) + nl + "Time zone =  " + DisplayText(zone) + nl + "Longitude =  " +
             DisplayText(longitude) + nl + "Latitude =  " + DisplayText(latitude) + nl + nl +
             "Do you want to replace it?" + nl + nl +
             "Answering 'NO' will append the current name and data to file, not replace the "
             "existing entry.";
    m.icon = PromptIcon::Question;
    m.buttons = PromptButtons::YesNo;
    return m;
}

PromptMessage NameFileError() {
    return Make("name-file-error", "Error!",
                "You have an error in the current names file. You need to check and see if you have "
                "entered the data correctly and in the proper amount. Please correct the data by "
                "clicking on the Edit this List command button in the Names window and edit the "
                "incorrect data.",
                PromptIcon::Critical);
}

PromptMessage NameFormatError() {
    return Make("name-format-error", "Error!",
                "Format error or typographical error in selected data. Please correct this data "
                "entry by clicking on the Edit this List command button in the Names window and "
                "editing the data associated with your chosen name.",
                PromptIcon::Critical);
}

PromptMessage TimeZoneFileCorrupt() {
    return Make("tz-corrupt", "Error!", "The file TZ.DAT is corrupt.", PromptIcon::Critical);
}

PromptMessage DataFileCorrupt(const std::string& file) {
    return Make("data-file-corrupt", "Error!", "The file " + file + " is corrupt.", PromptIcon::Critical);
}

PromptMessage NameFileUnreadable(const std::string& path) {
    return Make("name-file-unreadable", "Error!",
                "The name file " + path +
                    " cannot be read to its end: its last record is incomplete or the file cannot "
                    "be opened. Nothing was saved. Please correct the file with Edit this List and "
                    "save again.",
                PromptIcon::Critical);
}

PromptMessage NameListEndsEarly(const std::string& path) {
    return Make("name-list-ends-early", "Error!",
                "The name file " + path +
                    " has a record without a name, and the list of names ends there: a chart saved after it "
                    "could not be found. Nothing was saved. Please name or remove that record with Edit this "
                    "List and save again.",
                PromptIcon::Critical);
}

PromptMessage NameFileWriteFailed(const std::string& path) {
    return Make("name-file-write-failed", "Error!",
                "The name file " + path +
                    " could not be written. Nothing was saved; the file and its backup are as they "
                    "were.",
                PromptIcon::Critical);
}

PromptMessage NameFileBusy(const std::string& path) {
    return Make("name-file-busy", "Warning!",
                "Another program is saving into the name file " + path +
                    " and has not finished. Nothing was saved; please try again in a moment.",
                PromptIcon::Exclamation);
}

PromptMessage NameFileReadOnly(const std::string& path) {
    return Make("name-file-read-only", "Warning!",
                "The file " + path +
                    " is read-only. Nothing was saved; allow writing to it, or save into another "
                    "name file.",
                PromptIcon::Exclamation);
}

PromptMessage NameFileHardLinked(const std::string& path) {
    return Make("name-file-hard-linked", "Warning!",
                "The file " + path +
                    " has other names (hard links), and a save writes a new file that would part "
                    "it from them. Nothing was saved; save into a copy of the name file instead.",
                PromptIcon::Exclamation);
}

PromptMessage ZoneUnknown(const std::string& zone) {
    return Make("zone-unknown", "Warning!",
                "The time zone " + zone +
                    " is not in the time-zone database. Please give a zone such as "
                    "America/New_York, Europe/Paris or Asia/Kathmandu.",
                PromptIcon::Exclamation);
}

PromptMessage ZoneDatabaseMissing() {
    return Make("zone-database-missing", "Warning!",
                "The time-zone database cannot be read from /usr/share/zoneinfo. Please enter the "
                "time zone by hand, in hours west of Greenwich (east negative).",
                PromptIcon::Exclamation);
}

PromptMessage LocalTimeSkipped(const std::string& zone, const std::string& when,
                               const std::string& jump) {
    return Make("local-time-skipped", "Warning!",
                "There is no " + when + " in " + zone + ": " + jump +
                    ". Please correct the time.",
                PromptIcon::Exclamation);
}

PromptMessage LocalTimeRepeated(const std::string& zone, const std::string& when,
                                const std::string& first, const std::string& second,
                                const std::string& change) {
    const std::string nl = "\r\n";
    PromptMessage m;
    m.id = "local-time-repeated";
    m.title = "Information";
    m.text = when + " occurs twice in " + zone + ": " + change + ". The first is in " + first +
             ", the second in " + second + "." + nl + nl + "Do you mean the first one, in " +
             first + "?" + nl + nl + "Answering 'NO' takes the second one, in " + second + ".";
    m.icon = PromptIcon::Question;
    m.buttons = PromptButtons::YesNo;
    return m;
}

PromptMessage LocalTimeRepeatedUnchosen(const std::string& zone, const std::string& when,
                                        const std::string& first, const std::string& second) {
    return Make("local-time-repeated-unchosen", "Warning!",
                when + " occurs twice in " + zone + ": first in " + first + ", then again in " +
                    second + ". Please say which one is meant, the first or the second.",
                PromptIcon::Exclamation);
}

PromptMessage LocalMeanTimeUsed(const std::string& zone, const std::string& date,
                                const std::string& offset) {
    return Make("local-mean-time-used", "Information",
                zone + " kept no standard time on " + date +
                    ": its clocks showed local mean time (" + offset +
                    " at its own city). The time is taken as local mean time at the entered "
                    "longitude (LMT).",
                PromptIcon::Information);
}

PromptMessage GlyphFontMissing() {
    return Make("glyph-font-missing", "Warning!", "You do not have a proper font installed.",
                PromptIcon::Exclamation);
}

PromptMessage WheelPrintSize() {
    PromptMessage m = Make("wheel-print-size", "Full page or half page chartwheel",
                           "Click 'YES' for full page chartwheel. Click 'NO' for half page chartwheel.",
                           PromptIcon::Question);
    m.buttons = PromptButtons::YesNoCancel;
    return m;
}

PromptMessage WheelExportEnding() {
    return Make("wheel-export-ending", "Information", "The chartwheel is exported as an .svg, .png or .pdf file.",
                PromptIcon::Information);
}

PromptMessage DataFolderUnusable(const std::string& path) {
    return Make("data-folder-unusable", "Error!",
                "The data folder " + path +
                    " cannot be created or written. Start Quaeryn with --app-dir and a folder you "
                    "may write to.",
                PromptIcon::Critical);
}

}  // namespace quaeryn::msg
