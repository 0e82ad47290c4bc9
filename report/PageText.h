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

// UTF-8 as a code page, for the pages that declare UTF-8: the text passes through unchanged.
class Utf8CodePage final : public CodePage {
public:
    unsigned Number() const override { return 65001; }
    Converted ToUtf8(std::string_view bytes) const override { return {std::string(bytes)}; }
    Converted FromUtf8(std::string_view utf8) const override { return {std::string(utf8)}; }
};

// Plain ASCII, for a page whose declared character set this system cannot convert to: every
// other character is then written as a numeric character reference (HtmlForCodePage), which
// any ASCII-based character set reads alike.
class AsciiCodePage final : public CodePage {
public:
    unsigned Number() const override { return 20127; }
    Converted ToUtf8(std::string_view bytes) const override { return {std::string(bytes)}; }
    Converted FromUtf8(std::string_view utf8) const override {
        Converted out;
        for (char ch : utf8) {
            if (static_cast<unsigned char>(ch) < 0x80)
                out.text += ch;
            else if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80)
                out.text += '?';
            out.lossy = out.lossy || static_cast<unsigned char>(ch) >= 0x80;
        }
        return out;
    }
};

// Markup-safe form of a recorded text (names, calls, contracts): & < > and " become references.
std::string HtmlEscape(std::string_view text);

// The code point of one UTF-8 character; a broken sequence gives U+FFFD.
char32_t Utf8CodePoint(std::string_view ch);

// The line as it may go into a page or a text twin: control characters (U+0000..U+001F,
// U+007F..U+009F, where the bytes Windows-1252 leaves undefined end up) and broken UTF-8
// sequences are each written as "?".
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
