#include "base/ReportBuffer.h"

#include <cmath>

#include "base/Messages.h"
#include "base/Numbers.h"
#include "base/TextFile.h"

namespace quaeryn {

ReportBuffer::ReportBuffer(UserPrompt& prompt) : prompt_(prompt) { ResetBuffers(); }

void ReportBuffer::ResetBuffers() {
    dataCount_ = 0;
    pageCount_ = 0;
    data_.assign(2, std::string());
    page_.assign(2, std::string());
}

void ReportBuffer::BeginReport() {
    pageCount_ = 0;
    page_.assign(2, std::string());
}

void ReportBuffer::AppendLine() {
    // The 16-bit counts cannot pass 32767: the line is refused with the
    // buffer-full message and the report goes on with its next line. The
    // page can be the fuller one after "Clear all data" emptied the data
    // buffer under a long page.
    if (dataCount_ >= kMaxLines || pageCount_ >= kMaxLines) {
        prompt_.notify(msg::BufferFull());
        return;
    }
    data_.resize(static_cast<std::size_t>(dataCount_) + 2);
    data_[static_cast<std::size_t>(dataCount_)] = CurrentLine;
    ++dataCount_;
    page_.resize(static_cast<std::size_t>(pageCount_) + 1);
    page_[static_cast<std::size_t>(pageCount_)] = CurrentLine;
    ++pageCount_;
    page_.resize(static_cast<std::size_t>(pageCount_) + 1);
    page_[static_cast<std::size_t>(pageCount_)].clear();
    data_[static_cast<std::size_t>(dataCount_)].clear();
}

void ReportBuffer::AppendLine(std::string text) {
    CurrentLine = std::move(text);
    AppendLine();
}

void ReportBuffer::AppendBlankLine() { AppendLine(std::string()); }

bool ReportBuffer::ShowDataWindow(bool windowMinimized) {
    if (windowMinimized || dataCount_ == 0) return false;
    AppendBlankLine();
    if (dataCount_ > kNearlyFullLines) prompt_.notify(msg::BufferNearlyFull());
    return true;
}

std::string ReportBuffer::PageText() const {
    std::string text;
    for (int i = 0; i <= pageCount_; ++i) {  // int: the count may be 32767
        text += page_[static_cast<std::size_t>(i)];
        text += "\r\n";
    }
    return text;
}

void ReportBuffer::ClearDataBuffer() {
    dataCount_ = 0;
    data_.assign(1, std::string());
    prompt_.notify(msg::DataCleared());
}

std::string DocumentText(const ReportBuffer& buffer, float option45) {
    // Option 45 below 2 would make the page length 0 (a division by zero);
    // such a file gets only its final form feed.
    // A page longer than the buffer can hold breaks nowhere.
    const double every = std::nearbyint(static_cast<double>(option45) - 1.0);
    const long pageLines = every >= 1 ? ClampedWhole(every, 1, ReportBuffer::kMaxLines + 1L) : 0;
    std::string text;
    const auto& data = buffer.DataBuffer();
    for (long i = 0; i <= buffer.DataLineCount(); ++i) {
        text += data[static_cast<std::size_t>(i)];
        text += "\r\n";
        if (i != 0 && pageLines > 0 && i % pageLines == 0) text += "\f\r\n";
    }
    text += "\f\r\n";
    return text;
}

bool WriteDocument(const std::filesystem::path& file, const ReportBuffer& buffer, float option45) {
    return WriteFileAtomically(file, DocumentText(buffer, option45));
}

std::string ProposedDocumentName(const std::string& chartName) {
    const auto blank = chartName.find(' ');
    std::string stem;
    if (blank == std::string::npos) {
        stem = chartName.substr(0, 8);
    } else {
        const std::size_t p = blank + 1;  // position counted from 1
        stem = p > 8 ? chartName.substr(0, 8) : chartName.substr(0, p - 1);
    }
    // A slash would make the proposal a path into a folder that is not
    // there ("Q1/2026.DOC"): it stands as a dash in a file name.
    for (char& c : stem)
        if (c == '/' || c == '\\') c = '-';
    return stem + ".DOC";
}

}  // namespace quaeryn
