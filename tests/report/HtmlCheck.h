// Test helpers for pages: the markup validator (onsgmls, when installed) and golden files.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace tallowen {

inline bool HaveValidator() {
#ifdef _WIN32
    return false;
#else
    return std::system("command -v onsgmls >/dev/null 2>&1") == 0;
#endif
}

// The validator's complaints about a page (empty when it is valid HTML 4.01 of the doctype it
// names). The page is read in the given character set.
inline std::string ValidatorErrors(const std::filesystem::path& page, const std::string& charset) {
#ifdef _WIN32
    (void)page;
    (void)charset;
    return "no validator on this system";
#else
    std::string command = "SP_CHARSET_FIXED=1 SP_ENCODING=" + charset +
                          " onsgmls -s -c /etc/sgml/catalog '" + page.string() + "' 2>&1";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
        int status = pclose(pipe);
        if (status != 0 && output.empty()) output = "onsgmls failed";
    } else {
        output = "onsgmls could not be started";
    }
    return output;
#endif
}

// Where there is no validator (the Windows build) the rest of the test still runs.
#define EXPECT_VALID_HTML(page, charset)                             \
    do {                                                             \
        if (HaveValidator()) {                                       \
            EXPECT_EQ(ValidatorErrors(page, charset), "") << (page); \
        }                                                            \
    } while (0)

inline std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Compares bytes with a golden file under tests/data/report. With TALLOWEN_UPDATE_GOLDEN set
// the golden file is written instead (review the difference before committing it).
inline void ExpectGolden(const std::string& bytes, const std::string& name) {
    std::filesystem::path golden = std::filesystem::path(TALLOWEN_TESTDATA) / "report" / name;
    if (std::getenv("TALLOWEN_UPDATE_GOLDEN")) {
        std::filesystem::create_directories(golden.parent_path());
        std::ofstream(golden, std::ios::binary) << bytes;
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(golden)) << "missing golden file " << golden;
    const std::string expected = ReadFileBytes(golden);
    if (bytes == expected) return;
    // Name the first line that differs rather than printing both files.
    std::size_t at = 0, line = 1;
    while (at < bytes.size() && at < expected.size() && bytes[at] == expected[at]) {
        if (bytes[at] == '\n') ++line;
        ++at;
    }
    auto lineAt = [&](const std::string& text) {
        std::size_t start = text.rfind('\n', at == 0 ? 0 : at - 1);
        start = start == std::string::npos ? 0 : start + 1;
        return text.substr(start, text.find('\n', start) - start);
    };
    ADD_FAILURE() << golden << " differs at line " << line << "\n  written: " << lineAt(bytes)
                  << "\n  golden:  " << lineAt(expected);
}

}  // namespace tallowen
