#include "support/TempFolder.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <stdexcept>

#include "base/AppDirectory.h"

namespace quaeryn::test {

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("quaeryn-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void TempFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
}

void TempFolder::SeedShippedData() const {
    if (!AppDirectory(path_).Seed(QUAERYN_SHIPPED_DATA_DIR))
        throw std::runtime_error("cannot fill " + path_.string() + " with the shipped data files");
}

}  // namespace quaeryn::test
