// The report utility as the Windows program: the job runs in the utility's window, which
// shows each message line as it comes and stays open until End. Exit code 0 after the job,
// 1 after a refusal, a failed write or End pressed before the job was done.
#include "common/Files.h"
#include "platform/Calendar.h"
#include "platform/CodePage.h"
#include "platform/Process.h"
#include "report/FontMetrics.h"
#include "report/ReportClock.h"
#include "report/ReportJob.h"
#include "win32/ui/UtilityWindow.h"

int main() {
    using namespace tallowen;
    ReportOptions options;
    options.appFolder = ExecutableFolder();
    auto calendar = MakeSystemCalendar();
    SystemReportClock clock(*calendar);
    TableFontMetrics metrics;
    ReportEnv env(clock, metrics, AnsiCodePage());
    return RunUtilityWindow("TallowenUTL", options, env);
}
