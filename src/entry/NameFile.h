// Name files: saved charts, one record per line of seven fields (name,
// date, time, meridiem, zone, longitude, latitude), written with commas and
// CR LF, read in free-field form (commas or line ends, blanks skipped,
// fields may be quoted).
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/Prompt.h"
#include "base/RegionalFormats.h"
#include "entry/EventEntries.h"

namespace quaeryn {

// Free-field reading, shared by the name files and TZ.DAT: a field ends at
// a comma or a line end (CR LF, LF or CR); blanks before a field are
// skipped; a field that begins with a double quotation mark runs to the
// closing one (or to the line end when there is none), and whatever
// follows it up to the next comma or line end is ignored. An empty line
// reads as one empty field. A Ctrl-Z ends the text, as in old DOS files.
class FreeFieldReader {
public:
    explicit FreeFieldReader(std::string_view text);

    // True when nothing but blanks and line ends remains.
    bool AtEnd() const;
    // The next field; false when the text is used up (reading past the end).
    bool Read(std::string& field);
    // Skips lines that hold nothing but blanks, from the current position.
    void SkipBlankLines();
    // Where the next field begins, counted in the text given; the end of
    // what is read (a Ctrl-Z, or the end of the text).
    std::size_t Position() const { return pos_; }
    std::size_t End() const { return text_.size(); }
    // Whether the last field read ended at a comma or a line end (rather
    // than at the end of what is read, inside an unclosed quotation too).
    bool EndedAtDelimiter() const { return delimited_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    bool delimited_ = false;
};

struct NameRecord {
    std::string name;
    std::string date;      // "05 Jan 1990"
    std::string time;      // "9.05"
    std::string meridiem;  // "A" or "P"
    std::string zone;      // as typed
    std::string longitude; // "073.59", west positive
    std::string latitude;  // "40.45", north positive
};

struct NameList {
    std::vector<NameRecord> records;  // in file order, up to the first empty name
    bool error = false;               // a malformed record stopped the reading
};

// LoadNameList from the text of a name file: the records up to the first
// empty name (an empty line reads as one). When the text ends inside a
// record, error is set and the records before it are kept; the caller shows
// msg::NameFileError().
NameList ParseNameList(const std::string& text);

// Reads a name file; `opened` tells whether the file could be opened.
NameList ReadNameFile(const std::filesystem::path& file, bool* opened = nullptr);

// The first record of this name (case-sensitive), as a click on the list
// finds it; null when there is none. Names compare as shown: blanks before
// and after a name do not count, on either side (names are stored without
// them), and a stored name that is not UTF-8 is read as Windows-1252
// (DisplayText).
NameRecord* FindNameRecord(NameList& list, const std::string& name);
const NameRecord* FindNameRecord(const NameList& list, const std::string& name);

// Every record of a name file, for rewriting it: unlike the list, records
// after an empty name are kept, and lines that hold only blanks between
// records are passed over. `complete` is false when the text ends inside a
// record (the records before it are returned).
std::vector<NameRecord> ReadAllNameRecords(const std::string& text, bool* complete);

// The records of a name file and where they stand in its text, for a save
// that carries every byte it does not change forward.
struct StoredRecord {
    NameRecord record;
    std::size_t begin = 0;  // its first byte (blanks before the name included)
    std::size_t end = 0;    // just after the delimiter of its last field
    bool delimited = true;  // its last field has a delimiter (not the end of the text)
};
struct StoredRecords {
    std::vector<StoredRecord> records;  // as ReadAllNameRecords reads them
    std::size_t listEnd = 0;            // just after the last record the list shows
    bool listComplete = true;           // false when the list ends inside a record
    bool complete = true;               // false when the text ends inside a record
};
StoredRecords LocateNameRecords(std::string_view text);

// The text of a name file after a save: every byte of `text` except the
// records marked in `dropped` (one flag per stored record), with `line`
// and CR LF inserted at the end of the list, so that the list shows it: a
// Ctrl-Z and whatever follows it, blank lines and the records after them
// stay where they were.
std::string SpliceNameFile(std::string_view text, const StoredRecords& stored, const std::vector<bool>& dropped,
                           const std::string& line);

// A record as one line (without line end): its seven fields joined by ","; a
// field that holds a comma or begins with a blank is quoted so that it reads
// back the same.
std::string NameRecordLine(const NameRecord& record);

// FillFromRecord: the entries from a record (the date rewritten year first
// under date order 2, in the record too). False after the format-error
// message when a field is not a number or a date; the fields already set
// keep their new values.
bool FillFromRecord(NameRecord& record, EventEntries& entries, const RegionalFormats& regional,
                    UserPrompt& prompt);

// The record line SaveNameRecord appends for the entries (without line end).
std::string FormatNameRecord(const EventEntries& entries, const RegionalFormats& regional);

// The backup of a name file: the last three characters of its name replaced
// by "OLD" (NAMES.FIL, NAMES.OLD). A name that already ends in OLD, or has
// three characters or fewer, gets ".OLD" added instead, so the backup is
// never the file itself.
std::filesystem::path BackupPathFor(const std::filesystem::path& file);

// A name without the blanks and tabs before and after it, as it is stored
// and looked up.
std::string TrimmedName(const std::string& name);

// True when SaveNameRecord refuses the name before it reads any file: a
// comma, no name at all, a double quotation mark or a line break.
bool NameRefusedForSave(const std::string& name);

enum class SaveOutcome { Saved, CommaInName, Failed };

// How long a save waits for another program's save of the same name file.
inline constexpr std::chrono::milliseconds kNameFileLockWait{5000};

// SaveNameRecord: writes the file again without the records the user
// agrees to replace (one question per matching name, blanks around the
// names not counting), keeps the previous file as the backup, and adds the
// entries, the name stored without blanks around it, as the last record of
// the list: before a record without a name, a blank line or a Ctrl-Z that
// ends the list when the file is read, so that the new record can always be
// found. Every other byte of the file is carried forward as it was read (its
// encoding, quotation marks, line ends, a Ctrl-Z and what follows it). The
// save holds the lock of the file (LockPathFor) from before reading to after
// the rename; a link is written through to its target, and the file and its
// backup keep the file's mode and owner.
//
// A save either completes or leaves the file and its backup exactly as
// they were: Failed after its message when the name is empty or holds a
// double quotation mark or a line break, when another save holds the lock
// for longer than `lockWait`, when the file or its backup is read-only or
// has other names (hard links), when the list ends inside a record (nothing
// is asked then) or when it cannot be written. A file that does not exist
// yet is created, with no backup.
SaveOutcome SaveNameRecord(const EventEntries& entries, const std::filesystem::path& file,
                           const RegionalFormats& regional, UserPrompt& prompt,
                           std::chrono::milliseconds lockWait = kNameFileLockWait);

// The Name Edit window: the file's text with every line ended by CR LF.
std::string NameEditText(const std::string& fileText);

// The bytes its "Save" writes for the edited text (LF or CR LF line ends):
// the text with CR LF line ends, ending in exactly one line end, which is
// added when the text lacks it; an empty text empties the file.
std::string NameEditFileBytes(const std::string& editedText);

// Writes them beside the file and renames them into place, so a failed save
// leaves the file as it was. False when it cannot be written.
bool SaveNameEditText(const std::filesystem::path& file, const std::string& editedText);

// The Name Edit window's "Save": the bytes replace the name file under its
// lock, as SaveNameRecord writes it (links, mode and owner, refusals). False
// after its message when nothing was written.
bool WriteNameFile(const std::filesystem::path& file, const std::string& bytes, UserPrompt& prompt,
                   std::chrono::milliseconds lockWait = kNameFileLockWait);

}  // namespace quaeryn
