// The report utility on the console, for scripts and for systems without its window: turns
// the Work folder's record files into one HTML page a day (and text twins), printing each
// message line as the job goes. Exit code 0 after the job, 1 after a refusal (archive or
// system folder, a second copy, no Work folder) or when a page or twin could not be written,
// or records were there but no page came of them.
#include <cstdio>
#include <cstring>
#include <string>

#include "common/Files.h"
#include "common/Version.h"
#include "platform/Calendar.h"
#include "platform/CodePage.h"
#include "platform/Process.h"
#include "report/FontMetrics.h"
#include "report/MessageSink.h"
#include "report/ReportClock.h"
#include "report/ReportJob.h"

namespace tallowen {
namespace {

class ConsoleMessageSink final : public MessageSink {
public:
    void Print(std::string_view text) override { std::fwrite(text.data(), 1, text.size(), stdout); }
    void PrintPath(std::string_view text) override { Print(text); }
    void NewLines(int n) override {
        for (int i = 0; i < n; ++i) std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    bool FitsWidth(std::string_view, double) const override { return true; }
    bool HasEndButton() const override { return false; }
};

int Usage() {
    std::fprintf(stderr,
                 "TallowenUTLc %s\n"
                 "usage: TallowenUTLc [--folder DIR]\n"
                 "  Writes the summary pages of DIR/Work into DIR/HandRec (DIR: the program's\n"
                 "  own folder unless given).\n",
                 kVersion);
    return 2;
}

}  // namespace
}  // namespace tallowen

int main(int argc, char** argv) {
    using namespace tallowen;
    ReportOptions options;
    options.appFolder = ExecutableFolder();
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--folder") == 0 && i + 1 < argc) {
            options.appFolder = ProgramFolderArgument(PathFromUtf8(argv[++i]));
        } else {
            return Usage();
        }
    }
    auto calendar = MakeSystemCalendar();
    SystemReportClock clock(*calendar);
    TableFontMetrics metrics;
    ReportEnv env(clock, metrics, AnsiCodePage());
    ConsoleMessageSink messages;
    int code = RunReportJob(options, messages, env);
    messages.NewLines(1);
    return code;
}
