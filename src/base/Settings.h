// The settings file "Quaeryn.ini": fonts, window placement, the name file
// in use and the wheel's scale and type, kept between runs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace quaeryn {

struct Settings {
    double FontSize = 10;
    double FontBold = 0;    // non-zero is on (stored as -1)
    double FontItalic = 0;
    double QuaerynTop = 0;  // twips
    double QuaerynLeft = 0;
    double QuaerynHeight = 675;
    double QuaerynWidth = 8550;
    int16_t DataTop = 660;
    int16_t DataLeft = 0;
    int16_t DataHeight = 6540;
    int16_t DataWidth = 9600;
    int16_t StartScale = 287;
    std::string DataFile;   // the name file in use; default: data folder + "Horary.fil"
    int16_t TypeChart = 0;

    bool operator==(const Settings&) const = default;
};

// The defaults, with DataFile in the given data folder.
Settings DefaultSettings(const std::filesystem::path& appPath);

// Applies the lines of a settings text to the settings (ReadSettings' rules).
void ReadSettingsText(const std::string& text, Settings& settings);

// ReadSettings: defaults, then the file's lines; a missing or unreadable
// file leaves the defaults in force.
Settings ReadSettings(const std::filesystem::path& file, const std::filesystem::path& appPath);

// The text WriteSettings writes: a header line and fourteen key=value lines.
std::string SettingsText(const Settings& settings);

// WriteSettings: rewrites the file completely. False when it cannot.
bool WriteSettings(const std::filesystem::path& file, const Settings& settings);

}  // namespace quaeryn
