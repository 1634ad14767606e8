// The report buffer: every report builds a line in CurrentLine and appends
// it. The data buffer holds every line since the chart was cast, the page
// buffer the lines of the latest report.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "base/Prompt.h"

namespace quaeryn {

class ReportBuffer {
public:
    static constexpr int16_t kMaxLines = 32767;
    static constexpr int16_t kNearlyFullLines = 1000;

    explicit ReportBuffer(UserPrompt& prompt);

    std::string CurrentLine;
    std::string CurrentDocFile;  // the document file last chosen with Save As
    int16_t WideLinesFlag = 0;

    // Entries 0 to count; the last one is always empty.
    const std::vector<std::string>& DataBuffer() const { return data_; }
    const std::vector<std::string>& PageBuffer() const { return page_; }
    int16_t DataLineCount() const { return dataCount_; }
    int16_t PageLineCount() const { return pageCount_; }

    // Empties both buffers (every cast starts with it).
    void ResetBuffers();
    // Empties the page buffer at the start of each report.
    void BeginReport();
    // Appends CurrentLine to both buffers; a full data buffer refuses the
    // line with its message, and the report goes on.
    void AppendLine();
    // CurrentLine = text, then AppendLine.
    void AppendLine(std::string text);
    void AppendBlankLine();

    // The buffer side of showing the Data window: unless the window is
    // minimized or the data buffer is empty, appends a blank line, warns when
    // more than 1000 lines are held, and returns true (the window is to show
    // the page).
    bool ShowDataWindow(bool windowMinimized = false);

    // The page as the Data window shows it: entries 0 to PageLineCount, each
    // followed by CR LF.
    std::string PageText() const;

    // "&Clear all data": empties the data buffer only, with its notice.
    void ClearDataBuffer();

    UserPrompt& prompt() { return prompt_; }

private:
    UserPrompt& prompt_;
    std::vector<std::string> data_;
    std::vector<std::string> page_;
    int16_t dataCount_ = 0;
    int16_t pageCount_ = 0;
};

// The document file Save and Save As write: entries 0 to DataLineCount, each
// ended by CR LF, a form-feed line after every (option 45 - 1) lines, and a
// final form-feed line.
std::string DocumentText(const ReportBuffer& buffer, float option45);

// Writes the document file; the old file survives a failed write.
bool WriteDocument(const std::filesystem::path& file, const ReportBuffer& buffer, float option45);

// The file name Save As proposes for a chart name: the part before its
// first blank (at most 8 characters; a slash becomes a dash), followed by
// ".DOC".
std::string ProposedDocumentName(const std::string& chartName);

}  // namespace quaeryn
