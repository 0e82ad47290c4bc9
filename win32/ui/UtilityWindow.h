// TallowenUTL's window: the caption, the message area the job prints into, and the End
// button. After a refusal the window stays responsive for ten seconds with End as its cancel
// button (Esc presses it), then the program ends; after the job it stays until End.
#pragma once

#include <memory>
#include <string>

#include "report/MessageSink.h"

namespace tallowen {

class Clock;
class CodePage;
struct ReportEnv;
struct ReportOptions;
struct Settings;

class UtilityWindow final : public MessageSink {
public:
    // Creates the window, captioned `designCaption` + " 2.2", with its message fonts and the
    // End button; it is not shown yet.
    UtilityWindow(const std::string& designCaption, const CodePage& page);
    ~UtilityWindow() override;
    UtilityWindow(const UtilityWindow&) = delete;
    UtilityWindow& operator=(const UtilityWindow&) = delete;

    void Show();
    // The Japanese End caption and message font, and the background colour of the window
    // and its controls.
    void ApplySettings(const Settings& settings);
    // The wait after a refusal: End becomes the cancel button and the window stays responsive
    // for the given time, measured by the tick count; End (or Esc) ends the wait earlier.
    Clock& QuitWait();
    bool Waited() const;
    // Keeps the window open until End is pressed or the window is closed.
    void RunUntilEnd();

    void Print(std::string_view text) override;
    void PrintPath(std::string_view text) override;
    void NewLines(int n) override;
    bool FitsWidth(std::string_view text, double fraction) const override;

    struct State;

private:
    std::unique_ptr<State> state_;
};

// The whole program in its window: shown first, then the start-up checks and the job print
// into it. 0 after the job, 1 after a refusal, a failed write, or End pressed mid-job.
int RunUtilityWindow(const std::string& designCaption, const ReportOptions& options,
                     ReportEnv& env);

}  // namespace tallowen
