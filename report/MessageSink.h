// Where the utility tells the user what it does: the message area of its window, printed top
// to bottom, or the console.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tallowen {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Prints at the message position; the next text continues on the same line.
    virtual void Print(std::string_view text) = 0;
    // Prints a text that may hold a long path, broken at backslashes to fit the window.
    virtual void PrintPath(std::string_view text) = 0;
    // Back to the left margin, `n` lines down.
    virtual void NewLines(int n) = 0;
    // Whether the text is narrower than `fraction` of the message area's width.
    virtual bool FitsWidth(std::string_view text, double fraction) const = 0;
    // The window ends the job with its END button and says so; a console has none.
    virtual bool HasEndButton() const { return true; }
};

// Keeps the messages as lines of text (for the console and for tests). Lines are unbounded,
// so every text fits.
class LineMessageSink final : public MessageSink {
public:
    void Print(std::string_view text) override { current_ += text; }
    void PrintPath(std::string_view text) override { current_ += text; }
    void NewLines(int n) override {
        for (int i = 0; i < n; ++i) {
            lines_.push_back(current_);
            current_.clear();
        }
    }
    bool FitsWidth(std::string_view, double) const override { return true; }

    // The lines so far; a line still open counts as the last one.
    std::vector<std::string> Lines() const {
        std::vector<std::string> all = lines_;
        if (!current_.empty()) all.push_back(current_);
        return all;
    }

private:
    std::vector<std::string> lines_;
    std::string current_;
};

}  // namespace tallowen
