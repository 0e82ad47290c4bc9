// TallowenUTL's start-up and run: the checks that refuse to start, the settings, the output
// folder and the suit images, then the summaries. The window (or the console) only shows the
// messages and ends the program.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "common/Settings.h"
#include "platform/InstanceLock.h"
#include "report/FontMetrics.h"
#include "report/MessageSink.h"
#include "report/ReportClock.h"
#include "report/Summaries.h"

namespace tallowen {

class Clock;
class CodePage;

inline constexpr const char* kArchiveName = "Tallowen22.zip";
inline constexpr const char* kUtilityLockName = "TallowenUTL";
inline constexpr std::uint32_t kQuitWaitMs = 10000;

struct ReportOptions {
    std::filesystem::path appFolder;  // the program folder
};

// What the job works with, and what it leaves to its host.
struct ReportEnv {
    ReportEnv(const ReportClock& clock, const FontMetrics& metrics, const CodePage& ansiPage,
              Clock* waitClock = nullptr)
        : clock(clock), metrics(metrics), ansiPage(ansiPage), waitClock(waitClock) {}

    const ReportClock& clock;
    const FontMetrics& metrics;
    const CodePage& ansiPage;  // settings, record files and text twins
    Clock* waitClock;          // the wait after a refusal; none: no wait
    // Told the settings once they are read (or found absent), before the first message of
    // the job: the window takes its language and colours from them.
    std::function<void(const Settings&)> settingsRead;
    // Filled by the run: held while the program lives so that a second copy is refused.
    std::unique_ptr<InstanceLock> instanceLock;
    Settings settings;
    SummaryResult summary;
};

// Each check prints its refusal and waits (WaitAndQuit), then returns true: the program is
// to end. `force` refuses in any case.
bool chkLZH(const ReportOptions& options, MessageSink& messages, ReportEnv& env, bool force);
bool chkAppPrevInst(const ReportOptions& options, MessageSink& messages, ReportEnv& env,
                    bool force);
bool CheckWorkFolder(const ReportOptions& options, const std::string& folder, MessageSink& messages,
                     ReportEnv& env, bool force);
void AbsentINI(const ReportOptions& options, MessageSink& messages);
void WaitAndQuit(const ReportOptions& options, MessageSink& messages, ReportEnv& env);

// True when the program folder lies where an unpacked archive, a temporary folder or the
// system's Windows folder (`windowsFolder`, empty where there is none) would.
bool RefusedProgramFolder(const std::filesystem::path& appFolder,
                          const std::filesystem::path& windowsFolder);

// A program folder named on the command line, made absolute and plain: "dir/." and
// "dir/sub/.." are the folder itself, and the messages show its usual path.
std::filesystem::path ProgramFolderArgument(const std::filesystem::path& given);

// The page look the settings ask for.
PageStyle StyleFromSettings(const Settings& settings);

// The whole run. 0 after the job, 1 after a refusal or when the job failed (SummaryFailed).
int RunReportJob(const ReportOptions& options, MessageSink& messages, ReportEnv& env);

}  // namespace tallowen
