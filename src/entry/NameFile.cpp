#include "entry/NameFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <system_error>

#include "base/Messages.h"
#include "base/Numbers.h"
#include "base/SafeFile.h"
#include "base/TextEncoding.h"
#include "base/TextFile.h"
#include "entry/EntryChecks.h"
#include "entry/InputRules.h"

namespace quaeryn {

// ------------------------------------------------------------ free fields

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

FreeFieldReader::FreeFieldReader(std::string_view text) : text_(text) {
    const auto eof = text_.find('\x1a');
    if (eof != std::string_view::npos) text_ = text_.substr(0, eof);
}

bool FreeFieldReader::AtEnd() const {
    for (std::size_t i = pos_; i < text_.size(); ++i)
        if (!IsBlank(text_[i]) && !IsLineEnd(text_[i])) return false;
    return true;
}

void FreeFieldReader::SkipBlankLines() {
    for (;;) {
        std::size_t i = pos_;
        while (i < text_.size() && IsBlank(text_[i])) ++i;
        if (i >= text_.size() || !IsLineEnd(text_[i])) return;
        // A line of blanks: step over its line end.
        if (text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') ++i;
        pos_ = i + 1;
    }
}

bool FreeFieldReader::Read(std::string& field) {
    field.clear();
    if (pos_ >= text_.size()) return false;
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;

    std::size_t end = pos_;
    if (pos_ < text_.size() && text_[pos_] == '"') {
        std::size_t close = pos_ + 1;
        while (close < text_.size() && text_[close] != '"' && !IsLineEnd(text_[close])) ++close;
        field.assign(text_.substr(pos_ + 1, close - pos_ - 1));
        end = close < text_.size() && text_[close] == '"' ? close + 1 : close;
        // Anything after the closing mark, up to the delimiter, is dropped.
        while (end < text_.size() && text_[end] != ',' && !IsLineEnd(text_[end])) ++end;
    } else {
        while (end < text_.size() && text_[end] != ',' && !IsLineEnd(text_[end])) ++end;
        field.assign(text_.substr(pos_, end - pos_));
    }

    // Step over the delimiter: a comma, or one line end.
    delimited_ = end < text_.size();
    if (end < text_.size()) {
        if (text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n') ++end;
        ++end;
    }
    pos_ = end;
    return true;
}

// ------------------------------------------------------------ reading

NameList ParseNameList(const std::string& text) {
    NameList list;
    FreeFieldReader in(text);
    while (!in.AtEnd()) {
        NameRecord r;
        in.Read(r.name);
        if (r.name.empty()) break;  // an empty name ends the list
        if (!in.Read(r.date) || !in.Read(r.time) || !in.Read(r.meridiem) || !in.Read(r.zone) ||
            !in.Read(r.longitude) || !in.Read(r.latitude)) {
            list.error = true;
            break;
        }
        list.records.push_back(std::move(r));
    }
    return list;
}

NameList ReadNameFile(const std::filesystem::path& file, bool* opened) {
    const auto text = ReadWholeFile(file);
    if (opened) *opened = text.has_value();
    if (!text) return {};
    return ParseNameList(*text);
}

std::string TrimmedName(const std::string& name) {
    const auto first = name.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return name.substr(first, name.find_last_not_of(" \t") - first + 1);
}

const NameRecord* FindNameRecord(const NameList& list, const std::string& name) {
    // Names compare as they are shown and stored: without the blanks around
    // them, and "Ren\xe9e" of a Windows-1252 file as the "Ren\u00e9e" the list
    // shows and the user types.
    const std::string wanted = DisplayText(TrimmedName(name));
    for (const auto& r : list.records)
        if (TrimmedName(r.name) == TrimmedName(name) || DisplayText(TrimmedName(r.name)) == wanted) return &r;
    return nullptr;
}

NameRecord* FindNameRecord(NameList& list, const std::string& name) {
    return const_cast<NameRecord*>(FindNameRecord(static_cast<const NameList&>(list), name));
}

StoredRecords LocateNameRecords(std::string_view text) {
    StoredRecords stored;
    FreeFieldReader in(text);
    // The list (ParseNameList) ends at the first line of blanks or record
    // without a name; the records after it are read all the same.
    bool listed = true;
    for (;;) {
        const std::size_t before = in.Position();
        in.SkipBlankLines();
        if (in.Position() != before) listed = false;
        if (in.AtEnd()) break;
        StoredRecord s;
        s.begin = in.Position();
        NameRecord& r = s.record;
        if (!in.Read(r.name) || !in.Read(r.date) || !in.Read(r.time) || !in.Read(r.meridiem) ||
            !in.Read(r.zone) || !in.Read(r.longitude) || !in.Read(r.latitude)) {
            stored.complete = false;
            if (listed && !r.name.empty()) stored.listComplete = false;
            break;
        }
        s.end = in.Position();
        s.delimited = in.EndedAtDelimiter();
        if (r.name.empty()) listed = false;
        if (listed) stored.listEnd = s.end;
        stored.records.push_back(std::move(s));
    }
    return stored;
}

std::vector<NameRecord> ReadAllNameRecords(const std::string& text, bool* complete) {
    StoredRecords stored = LocateNameRecords(text);
    if (complete) *complete = stored.complete;
    std::vector<NameRecord> records;
    records.reserve(stored.records.size());
    for (auto& s : stored.records) records.push_back(std::move(s.record));
    return records;
}

std::string SpliceNameFile(std::string_view text, const StoredRecords& stored, const std::vector<bool>& dropped,
                           const std::string& line) {
    std::string out;
    out.reserve(text.size() + line.size() + 4);
    std::size_t pos = 0;
    bool inserted = false;
    // The last listed record, when it stays and its last field runs to the
    // end of the text (no line end, an unclosed quotation): the new record
    // must begin on a line of its own.
    bool needsLineEnd = false;
    auto insertAtListEnd = [&] {
        if (stored.listEnd > pos) {
            out.append(text.substr(pos, stored.listEnd - pos));
            pos = stored.listEnd;
        }
        if (needsLineEnd) out += "\r\n";
        out += line + "\r\n";
        inserted = true;
    };
    for (std::size_t i = 0; i < stored.records.size(); ++i) {
        const StoredRecord& s = stored.records[i];
        if (!inserted && stored.listEnd <= s.begin) insertAtListEnd();
        const bool drop = i < dropped.size() && dropped[i];
        if (s.end == stored.listEnd) needsLineEnd = !drop && !s.delimited;
        if (drop) {
            out.append(text.substr(pos, s.begin - pos));
            pos = s.end;
        }
    }
    if (!inserted) insertAtListEnd();
    out.append(text.substr(pos));
    return out;
}

// ------------------------------------------------------------ filling the entries

namespace {

// A field that is wholly a number: blanks, a sign, digits with at most one
// decimal point, an exponent, blanks.
bool IsNumberField(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && IsBlank(t[i])) ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    while (i < t.size() && IsBlank(t[i])) ++i;
    return i == t.size();
}

// The value of a number field; nothing when the field is not a finite number.
std::optional<double> FieldValue(const std::string& text) {
    if (!IsNumberField(text)) return std::nullopt;
    const double v = NumericValue(text);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

// A number as a text box shows it: the plain form without its leading blank.
std::string PlainNumber(double v) {
    std::string t = NumberText(v);
    if (!t.empty() && t.front() == ' ') t.erase(t.begin());
    return t;
}

// The date reader turns each run of digits into an int: a longer run than
// an int holds is no date.
std::optional<CalendarDate> ReadDate(const RegionalFormats& regional, const std::string& text) {
    std::size_t run = 0;
    for (char c : text) {
        run = std::isdigit(static_cast<unsigned char>(c)) ? run + 1 : 0;
        if (run > 9) return std::nullopt;
    }
    return regional.ParseDate(text);
}

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

bool IsCalendarDate(const CalendarDate& d) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.year < 1 || d.year > 9999 || d.month < 1 || d.month > 12 || d.day < 1) return false;
    const int days = kDays[d.month - 1] + (d.month == 2 && IsLeapYear(d.year) ? 1 : 0);
    return d.day <= days;
}

// "05 Jan 1990" as "1990 Jan 05", for the year-first date order. False when
// the date has no blank to split at.
bool RewriteYearFirst(std::string& date) {
    const auto blank = date.find(' ');
    if (blank == std::string::npos) return false;
    std::string year = RightChars(date, 4);
    year.erase(0, std::min(year.find_first_not_of(' '), year.size()));
    const std::string month = date.substr(blank + 1, 3);
    std::string day = date.substr(0, blank);
    if (IsNumberField(day)) day = FormatNumber(NumericValue(day), "00");
    date = year + " " + month + " " + day;
    return true;
}

// Degrees and minutes of a D.MM value, as the text boxes show them.
void SplitDegrees(double v, std::string& degrees, std::string& minutes) {
    const double whole = std::trunc(v);
    degrees = PlainNumber(std::fabs(whole));
    minutes = FormatNumber(std::fabs((v - whole) * 100.0), "#0");
}

}  // namespace

bool FillFromRecord(NameRecord& record, EventEntries& entries, const RegionalFormats& regional,
                    UserPrompt& prompt) {
    auto fail = [&prompt] {
        prompt.notify(msg::NameFormatError());
        return false;
    };

    entries.name = record.name;

    // The date, rearranged year first when the regional order asks for it;
    // the record keeps the rearranged text, so a second pick leaves it alone.
    if (regional.iDate == 2 && record.date.size() >= 5 && record.date[4] != ' ') {
        if (!RewriteYearFirst(record.date)) return fail();
    }
    const auto date = ReadDate(regional, record.date);
    if (!date || !IsCalendarDate(*date)) return fail();
    entries.month = std::to_string(date->month);
    entries.day = std::to_string(date->day);
    entries.year = std::to_string(date->year);

    // The time: whole hours, and the two decimals as minutes.
    const auto t = FieldValue(record.time);
    if (!t) return fail();
    const double hour = std::trunc(*t);
    entries.hour = PlainNumber(hour);
    NormalizeHour(entries, prompt);
    entries.minute = FormatNumber((*t - hour) * 100.0, "#0");

    std::string meridiem = record.meridiem;
    for (char& c : meridiem) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    entries.pm = meridiem != "A";

    const auto zone = FieldValue(record.zone);
    if (!zone) return fail();
    entries.tz = NumberText(*zone);

    // Longitude: West for 0 and more; choosing the other side turns the
    // zone's sign with it.
    const auto lon = FieldValue(record.longitude);
    if (!lon) return fail();
    std::string minutes;
    SplitDegrees(*lon, entries.longDeg, minutes);
    SelectEast(entries, *lon < 0);
    entries.longMin = minutes;

    const auto lat = FieldValue(record.latitude);
    if (!lat) return fail();
    SplitDegrees(*lat, entries.latDeg, entries.latMin);
    entries.south = *lat < 0;
    return true;
}

// ------------------------------------------------------------ writing

namespace {

// A typed text as one field of a one-line record: line ends and other
// control characters become blanks, commas become `comma`, and a text that
// would read as a quoted field has its double quotation marks made single.
std::string OneField(std::string text, char comma) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
        if (c == ',') c = comma;
    }
    const auto first = text.find_first_not_of(" \t");
    if (first != std::string::npos && text[first] == '"') std::replace(text.begin(), text.end(), '"', '\'');
    return text;
}

// A formatted number with a period as its decimal mark.
std::string WithPeriod(std::string text) {
    const auto comma = text.find(',');
    if (comma != std::string::npos) text[comma] = '.';
    return text;
}

std::string StoredField(const std::string& field) {
    const bool needsQuotes = field.find(',') != std::string::npos ||
                             (!field.empty() && IsBlank(field.front()));
    if (needsQuotes && field.find('"') == std::string::npos) return "\"" + field + "\"";
    return field;
}

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

std::string FormatNameRecord(const EventEntries& e, const RegionalFormats& regional) {
    // The date: the three texts joined in the regional order, read as a
    // date and written "dd mmm yyyy". A text that is no date (13/4/1990,
    // 31 February) is kept as joined, with its commas and line breaks made
    // blanks or slashes, so the record still holds seven fields on one line;
    // picking it later shows the format-error message.
    const std::string joined = regional.JoinDate(e.month, e.day, e.year);
    const auto date = ReadDate(regional, joined);
    const std::string dateText =
        date && IsCalendarDate(*date) ? regional.FormatDate(*date) : OneField(joined, '/');

    const double time = NumericValue(e.hour) + NumericValue(e.minute) / 100.0;
    double lon = NumericValue(e.longDeg) + NumericValue(e.longMin) / 100.0;
    if (e.east) lon = -NumericValue(e.longDeg) - NumericValue(e.longMin) / 100.0;
    double lat = NumericValue(e.latDeg) + NumericValue(e.latMin) / 100.0;
    if (e.south) lat = -NumericValue(e.latDeg) - NumericValue(e.latMin) / 100.0;

    return OneField(TrimmedName(e.name), ' ') + "," + dateText + "," + WithPeriod(FormatNumber(time, "##.#0")) +
           "," + (e.pm ? "P" : "A") + "," + OneField(e.tz, '.') + "," +
           WithPeriod(FormatNumber(lon, "#00#.#0")) + "," + WithPeriod(FormatNumber(lat, "#0#.#0"));
}

std::string NameRecordLine(const NameRecord& r) {
    return StoredField(r.name) + "," + StoredField(r.date) + "," + StoredField(r.time) + "," +
           StoredField(r.meridiem) + "," + StoredField(r.zone) + "," + StoredField(r.longitude) +
           "," + StoredField(r.latitude);
}

std::filesystem::path BackupPathFor(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    std::string backup;
    // A name that already ends in OLD (or is too short to lose three
    // characters) gets ".OLD" added, so the backup is never the file itself.
    if (name.size() > 3 && Upper(RightChars(name, 3)) != "OLD")
        backup = name.substr(0, name.size() - 3) + "OLD";
    else
        backup = name + ".OLD";
    return file.parent_path() / backup;
}

namespace {

// Why SaveNameRecord refuses a name before it reads any file; nothing when
// the name may be saved.
std::optional<PromptMessage> NameRefusal(const std::string& name) {
    if (name.find(',') != std::string::npos) return msg::CommaInName();
    // A record without a name would end the list when it is read, hiding
    // itself and every chart saved after it.
    if (TrimmedName(name).empty()) return msg::NameMissing();
    // A double quotation mark starts a quoted field when the name is read
    // back, and a line break ends the record: neither could be found again.
    if (name.find('"') != std::string::npos) return msg::QuoteInName();
    if (HoldsControlCharacter(name)) return msg::NameLineBreak();
    return std::nullopt;
}

}  // namespace

bool NameRefusedForSave(const std::string& name) { return NameRefusal(name).has_value(); }

namespace {

// The message for a file that cannot be replaced; false when it can.
bool RefusedToReplace(ReplaceStatus status, const std::filesystem::path& file, UserPrompt& prompt) {
    switch (status) {
        case ReplaceStatus::Written: return false;
        case ReplaceStatus::ReadOnly: prompt.notify(msg::NameFileReadOnly(file.string())); return true;
        case ReplaceStatus::HardLinked: prompt.notify(msg::NameFileHardLinked(file.string())); return true;
        case ReplaceStatus::NotAFile:
        case ReplaceStatus::Failed: prompt.notify(msg::NameFileWriteFailed(file.string())); return true;
    }
    return true;
}

}  // namespace

SaveOutcome SaveNameRecord(const EventEntries& entries, const std::filesystem::path& target,
                           const RegionalFormats& regional, UserPrompt& prompt, std::chrono::milliseconds lockWait) {
    if (const auto refusal = NameRefusal(entries.name)) {
        prompt.notify(*refusal);
        return refusal->id == msg::CommaInName().id ? SaveOutcome::CommaInName : SaveOutcome::Failed;
    }

    // A link is written through, so that the file it names gets the new
    // version (and the backup beside it) rather than the link being
    // replaced; a link to a file not yet made creates that file.
    const auto resolved = WriteTarget(target);
    if (!resolved) {
        prompt.notify(msg::NameFileWriteFailed(target.string()));
        return SaveOutcome::Failed;
    }
    const std::filesystem::path file = *resolved;
    const std::filesystem::path backup = BackupPathFor(file);
    if (RefusedToReplace(CanReplace(file), file, prompt) || RefusedToReplace(CanReplace(backup), backup, prompt))
        return SaveOutcome::Failed;

    // One save of a file at a time, from before its reading to after its
    // rename: a save that read the file before another one renamed its new
    // version into place would drop that one's record.
    bool busy = false;
    const auto lock = FileLock::Take(LockPathFor(file), lockWait, &busy);
    if (!lock) {
        // A lock file that cannot even be made: neither can the new file.
        prompt.notify(busy ? msg::NameFileBusy(file.string()) : msg::NameFileWriteFailed(file.string()));
        return SaveOutcome::Failed;
    }

    // Read the whole file first: a save that cannot place its record after
    // the list writes nothing, so no record is ever dropped on the way.
    std::error_code ec;
    const bool exists = std::filesystem::exists(file, ec);
    std::optional<std::string> original;
    if (exists) {
        original = ReadWholeFile(file);
        if (!original) {
            prompt.notify(msg::NameFileUnreadable(file.string()));
            return SaveOutcome::Failed;
        }
    }
    const StoredRecords stored = original ? LocateNameRecords(*original) : StoredRecords{};
    if (!stored.listComplete) {
        prompt.notify(msg::NameFileUnreadable(file.string()));
        return SaveOutcome::Failed;
    }

    // One question for each stored record of the same name (as the list
    // shows names: without the blanks around them, and a Windows-1252 one
    // matching the same name typed).
    const std::string wanted = Upper(DisplayText(TrimmedName(entries.name)));
    std::vector<bool> dropped(stored.records.size(), false);
    for (std::size_t i = 0; i < stored.records.size(); ++i) {
        const NameRecord& r = stored.records[i].record;
        if (Upper(DisplayText(TrimmedName(r.name))) != wanted) continue;
        const PromptAnswer answer = prompt.ask(
            msg::NameAlreadyExists(r.name, r.date, r.time, r.meridiem, r.zone, r.longitude, r.latitude));
        dropped[i] = answer == PromptAnswer::Yes;
    }
    const std::string line = FormatNameRecord(entries, regional);
    const std::string text = original ? SpliceNameFile(*original, stored, dropped, line) : line + "\r\n";
    // What is written must list the new record, as the Names window and
    // --chart read the file: a save reported as done can always be found.
    const NameList written = ParseNameList(text);
    const NameList mine = ParseNameList(line + "\r\n");
    if (written.records.empty() || mine.records.empty() ||
        written.records.back().name != mine.records.front().name) {
        prompt.notify(msg::NameListEndsEarly(file.string()));
        return SaveOutcome::Failed;
    }

    // The backup first (the previous contents, with the file's mode and
    // owner), then the file. When the file cannot be written the backup
    // gets its previous contents back.
    if (original) {
        std::optional<std::string> previousBackup;
        if (std::filesystem::exists(backup, ec)) {
            previousBackup = ReadWholeFile(backup);
            if (!previousBackup) {
                prompt.notify(msg::NameFileWriteFailed(file.string()));
                return SaveOutcome::Failed;
            }
        }
        if (RefusedToReplace(ReplaceFile(backup, *original, file), backup, prompt)) return SaveOutcome::Failed;
        const ReplaceStatus written = ReplaceFile(file, text);
        if (written != ReplaceStatus::Written) {
            if (previousBackup)
                ReplaceFile(backup, *previousBackup, file);
            else
                std::filesystem::remove(backup, ec);
            RefusedToReplace(written, file, prompt);
            return SaveOutcome::Failed;
        }
    } else if (RefusedToReplace(ReplaceFile(file, text), file, prompt)) {
        return SaveOutcome::Failed;
    }
    return SaveOutcome::Saved;
}

bool WriteNameFile(const std::filesystem::path& file, const std::string& bytes, UserPrompt& prompt,
                   std::chrono::milliseconds lockWait) {
    const std::filesystem::path target = WriteTarget(file).value_or(file);
    if (RefusedToReplace(CanReplace(target), target, prompt)) return false;
    bool busy = false;
    const auto lock = FileLock::Take(LockPathFor(target), lockWait, &busy);
    if (!lock) {
        prompt.notify(busy ? msg::NameFileBusy(target.string()) : msg::NameFileWriteFailed(target.string()));
        return false;
    }
    return !RefusedToReplace(ReplaceFile(target, bytes), target, prompt);
}

// ------------------------------------------------------------ Name Edit window

std::string NameEditText(const std::string& fileText) {
    std::string text;
    for (const auto& line : SplitLines(fileText)) text += line + "\r\n";
    return text;
}

std::string NameEditFileBytes(const std::string& editedText) {
    // A text that does not end in a line end keeps its last characters (the
    // last record stays whole) and gets the line end.
    std::string bytes;
    for (const auto& line : SplitLines(editedText)) bytes += line + "\r\n";
    return bytes;
}

bool SaveNameEditText(const std::filesystem::path& file, const std::string& editedText) {
    return WriteFileAtomically(file, NameEditFileBytes(editedText));
}

}  // namespace quaeryn
