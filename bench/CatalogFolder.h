#pragma once

#include <filesystem>
#include <string>

namespace pivlon::bench {

// A folder of its own under the system's temporary folder, holding a generated
// "Pivlon.dat" and "Pivlon.ini" for a number of lists. The program finds both files
// in the current directory, so the folder is made current for the measurements.
class CatalogFolder {
  public:
    explicit CatalogFolder(int lists);
    ~CatalogFolder();
    CatalogFolder(const CatalogFolder&) = delete;
    CatalogFolder& operator=(const CatalogFolder&) = delete;

    void MakeCurrent() const;
    const std::filesystem::path& Path() const { return path_; }
    int Lists() const { return lists_; }
    // The list that a search from the start of the file reaches half-way through.
    std::string MiddleList() const;

  private:
    int lists_;
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

}  // namespace pivlon::bench
