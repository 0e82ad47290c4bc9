// The text of one output file (page or text twin) while it is being written, and the encodings
// it is saved in.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/Files.h"
#include "platform/CodePage.h"

namespace tallowen {

// Lines of UTF-8 text. Put continues the current line; Line ends it.
class PageText {
public:
    void Put(std::string_view text) {
        current_ += text;
        open_ = true;
    }
    void Line(std::string_view text = {}) {
        current_ += text;
        lines_.push_back(std::move(current_));
        current_.clear();
        open_ = false;
    }
    bool Empty() const { return lines_.empty() && !open_; }
    // The finished lines; a line still being put together counts as the last.
    std::vector<std::string> Lines() const {
        std::vector<std::string> all = lines_;
        if (open_) all.push_back(current_);
        return all;
    }

private:
    std::vector<std::string> lines_;
    std::string current_;
    bool open_ = false;
};

// Markup-safe form of a recorded text (names, calls, contracts): & < > and " become references.
std::string HtmlEscape(std::string_view text);

// The line as it may go into a page or a text twin: control characters (U+0000..U+001F,
// U+007F..U+009F, where the bytes Windows-1252 leaves undefined end up) and malformed UTF-8
// characters (common/Utf8.h) are each written as "?".
std::string PrintableText(std::string_view line);

// The line with every character that the code page cannot carry written as a numeric
// character reference, so that a page shows it whatever its character set.
std::string HtmlForCodePage(std::string_view line, const CodePage& page);

// Writes the lines, each ended by CR LF, in the code page (whole or not at all).
FileResult SaveText(const std::filesystem::path& path, const PageText& text, const CodePage& page);
// A page: as SaveTextNew, with the characters the code page lacks as references.
FileResult SaveHtmlNew(const std::filesystem::path& path, const PageText& text,
                       const CodePage& page);
// Same, but an existing file of that name is left alone and reported.
FileResult SaveTextNew(const std::filesystem::path& path, const PageText& text,
                       const CodePage& page);

}  // namespace tallowen
