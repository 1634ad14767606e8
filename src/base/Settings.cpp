#include "base/Settings.h"

#include <cmath>

#include "base/Numbers.h"
#include "base/TextFile.h"

namespace quaeryn {

namespace {

bool StartsWith(const std::string& line, const char* key) { return line.rfind(key, 0) == 0; }

// A 16-bit value from a text; the old value stays when it does not fit.
void TakeInt16(double v, int16_t& field) {
    if (auto r = RoundToInt16(v)) field = *r;
}

}  // namespace

Settings DefaultSettings(const std::filesystem::path& appPath) {
    Settings s;
    s.DataFile = (appPath / "Horary.fil").string();
    return s;
}

void ReadSettingsText(const std::string& text, Settings& s) {
    for (const std::string& line : SplitLines(text)) {
        const auto eq = line.find('=');
        const std::string value = eq == std::string::npos ? line : line.substr(eq + 1);
        const double v = NumericValue(value);
        if (StartsWith(line, "FontSize") && v >= 7.75) s.FontSize = v;
        if (StartsWith(line, "FontBold")) s.FontBold = v;
        if (StartsWith(line, "FontItalic")) s.FontItalic = v;
        if (StartsWith(line, "QuaerynTop")) s.QuaerynTop = v;
        if (StartsWith(line, "QuaerynLeft")) s.QuaerynLeft = v;
        if (StartsWith(line, "QuaerynHeight") && v > 0) s.QuaerynHeight = v;
        if (StartsWith(line, "QuaerynWidth") && v > 0) s.QuaerynWidth = v;
        if (StartsWith(line, "DataTop") && v > 0) TakeInt16(v, s.DataTop);
        if (StartsWith(line, "DataLeft")) TakeInt16(v, s.DataLeft);
        if (StartsWith(line, "DataHeight") && v > 0) TakeInt16(v, s.DataHeight);
        if (StartsWith(line, "DataWidth") && v > 0) TakeInt16(v, s.DataWidth);
        if (StartsWith(line, "StartScale")) TakeInt16(v, s.StartScale);
        if (StartsWith(line, "DataFile") && !value.empty()) s.DataFile = value;
        if (StartsWith(line, "TypeChart")) TakeInt16(v, s.TypeChart);
    }
}

Settings ReadSettings(const std::filesystem::path& file, const std::filesystem::path& appPath) {
    Settings s = DefaultSettings(appPath);
    if (const auto text = ReadWholeFile(file)) ReadSettingsText(*text, s);
    return s;
}

std::string SettingsText(const Settings& s) {
    std::string t;
    auto line = [&t](const std::string& l) { t += l + "\r\n"; };
    line("[Quaeryn] - Do NOT change the order of these variables.");
    line("FontSize=" + NumberText(s.FontSize));
    line("FontBold=" + NumberText(s.FontBold));
    line("FontItalic=" + NumberText(s.FontItalic));
    line("QuaerynTop=" + NumberText(s.QuaerynTop));
    line("QuaerynLeft=" + NumberText(s.QuaerynLeft));
    line("QuaerynHeight=" + NumberText(s.QuaerynHeight));
    line("QuaerynWidth=" + NumberText(s.QuaerynWidth));
    line("DataTop=" + NumberText(static_cast<double>(s.DataTop)));
    line("DataLeft=" + NumberText(static_cast<double>(s.DataLeft)));
    line("DataHeight=" + NumberText(static_cast<double>(s.DataHeight)));
    line("DataWidth=" + NumberText(static_cast<double>(s.DataWidth)));
    line("StartScale=" + NumberText(static_cast<double>(s.StartScale)));
    line("DataFile=" + s.DataFile);
    line("TypeChart=" + NumberText(static_cast<double>(s.TypeChart)));
    return t;
}

bool WriteSettings(const std::filesystem::path& file, const Settings& settings) {
    return WriteFileAtomically(file, SettingsText(settings));
}

}  // namespace quaeryn
