#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

// A fresh folder for one test, which only its owner may enter, removed with everything in it
// afterwards.
class TempFolder {
  public:
    TempFolder() {
        std::minstd_rand pick(std::random_device{}());
        do {
            path_ = std::filesystem::temp_directory_path() / ("lumabels-" + std::to_string(pick()));
        } while (!std::filesystem::create_directory(path_));
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }

    // Names and paths in UTF-8, on every system.
    std::string File(const std::string& name) const {
        const std::u8string path = (path_ / std::u8string(name.begin(), name.end())).u8string();
        return {path.begin(), path.end()};
    }
    const std::filesystem::path& Path() const { return path_; }

    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    std::size_t EntryCount() const {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path_)) {
            ++count;
        }
        return count;
    }

  private:
    std::filesystem::path path_;
};
