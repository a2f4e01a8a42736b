#include "bench/CatalogFolder.h"

#include <chrono>
#include <fstream>
#include <random>
#include <stdexcept>

#include "bench/CatalogGenerator.h"

namespace pivlon::bench {
namespace {

namespace fs = std::filesystem;

fs::path NewFolder(int lists) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path path = fs::temp_directory_path() / ("pivlon-bench-" + std::to_string(lists) +
                                                           "-" + std::to_string(random()));
        if (fs::create_directory(path))
            return path;
    }
    throw std::runtime_error("no free folder name under " + fs::temp_directory_path().string());
}

// Dated an hour back: a user's files are old, and a profile service that keeps parsed
// files would not trust its copy of a file changed moments ago.
void WriteOldFile(const fs::path& path, const std::string& bytes) {
    {
        std::ofstream out(path, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush())
            throw std::runtime_error("cannot write " + path.string());
    }
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::hours(1));
}

}  // namespace

CatalogFolder::CatalogFolder(int lists)
    : lists_(lists), previous_(fs::current_path()), path_(NewFolder(lists)) {
    WriteOldFile(path_ / "Pivlon.dat", CatalogBytes(lists));
    WriteOldFile(path_ / "Pivlon.ini", SettingsBytes(lists));
}

CatalogFolder::~CatalogFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
}

void CatalogFolder::MakeCurrent() const {
    fs::current_path(path_);
}

std::string CatalogFolder::MiddleList() const {
    return ListName(lists_ / 2);
}

}  // namespace pivlon::bench
