// A fresh folder for one test, removed afterwards. It lies under the home folder when there is
// one: the utility refuses program folders whose paths hold words such as TMP or TEMP.
#pragma once

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace tallowen {

class TempFolder {
public:
    TempFolder() {
        namespace fs = std::filesystem;
        static std::atomic<int> serial{0};
#ifdef _WIN32
        const char* home = std::getenv("USERPROFILE");
#else
        const char* home = std::getenv("HOME");
#endif
        fs::path base = home && *home ? fs::path(home) : fs::current_path();
        // No test name in the path: a name could hold one of the refused words.
        std::string leaf = "r" + std::to_string(Salt()) + "-" + std::to_string(serial++);
        path_ = base / ".tallowen-report-tests" / leaf;
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const {
        return path_;
    }

private:
    static unsigned Salt() {
        // Distinct folders for test programs that run side by side.
        static const unsigned salt = std::random_device{}() % 1000000;
        return salt;
    }
    std::filesystem::path path_;
};

}  // namespace tallowen
