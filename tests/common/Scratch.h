// Small helpers shared by the file tests: a temporary folder, raw bytes, a code page.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "common/Files.h"
#include "platform/CodePage.h"

namespace tallowen::scratch {

namespace fs = std::filesystem;

class ScratchFolder {
public:
    ScratchFolder() {
        path_ =
            fs::temp_directory_path() / ("tallowen-test-" + std::to_string(std::random_device{}()));
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }
    fs::path File(std::string_view name) const { return path_ / PathFromUtf8(name); }
    fs::path Write(std::string_view name, std::string_view bytes) const {
        std::ofstream(File(name), std::ios::binary)
            .write(bytes.data(), std::streamsize(bytes.size()));
        return File(name);
    }

private:
    fs::path path_;
};

inline std::string Bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::unique_ptr<CodePage> Page(unsigned number) {
    auto page = OpenCodePage(number);
    if (!page) ADD_FAILURE() << "code page " << number << " not available";
    return page;
}

}  // namespace tallowen::scratch
