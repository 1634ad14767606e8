// A fresh folder under the system's temporary folder for one test, removed
// with everything in it at the end. Each one has a name of its own (the
// process and a running number), so two folders of one test never meet and
// parallel test processes never share one.
#pragma once

#include <filesystem>
#include <string>

namespace quaeryn::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // Writes a file of the folder with exactly these bytes.
    void Write(const std::string& name, const std::string& bytes) const;
    // Fills the folder with the shipped data files, as a new data folder is.
    void SeedShippedData() const;

private:
    std::filesystem::path path_;
};

}  // namespace quaeryn::test
