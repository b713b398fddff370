#include "GameData.h"

#include <random>
#include <string>

#include "assets/Catalogue.h"

namespace fs = std::filesystem;

namespace {

// Drawn on first use, removed when the test program ends.
class DrawnData {
 public:
  DrawnData()
      : path_(fs::temp_directory_path() /
              ("marrowick-data-" + std::to_string(std::random_device()()))) {
    assets::WriteData(path_);
  }
  ~DrawnData() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

}  // namespace

void CopyGameData(const fs::path& folder) {
  static const DrawnData data;
  fs::copy(data.Path(), folder / "Data", fs::copy_options::recursive);
}
