#include "report/ReportJob.h"

#include "common/FolderCheck.h"
#include "common/Text.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/Process.h"
#include "report/GifWriter.h"

namespace tallowen {

namespace {

std::string AppPath(const ReportOptions& options) {
    return ShownFolder(options.appFolder);
}

std::string Separator() {
    return std::string(1, static_cast<char>(std::filesystem::path::preferred_separator));
}

}  // namespace

bool RefusedProgramFolder(const std::filesystem::path& appFolder,
                          const std::filesystem::path& windowsFolder) {
    static constexpr std::string_view kUtilityFolderWords[] = {".ZIP", "TMP", "TEMP", "WINDOWS"};
    return UnsuitableFolder(appFolder, windowsFolder, kUtilityFolderWords);
}

std::filesystem::path ProgramFolderArgument(const std::filesystem::path& given) {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::absolute(given, ec);
    if (ec) folder = given;
    folder = folder.lexically_normal();
    // "dir/" after normalising: the folder is "dir".
    if (!folder.has_filename() && folder.has_relative_path()) folder = folder.parent_path();
    return folder;
}

void WaitAndQuit(const ReportOptions& options, MessageSink& messages, ReportEnv& env) {
    messages.PrintPath("  App.Path = " + AppPath(options));
    messages.NewLines(1);
    if (!messages.HasEndButton()) {
        messages.Print(env.settings.jpn ? "  何も作成せずに終了します." : "  Nothing was done.");
        messages.NewLines(1);
        return;
    }
    messages.Print("  Click END (or ESC) button and terminate job.");
    messages.NewLines(1);
    messages.Print("  Waiting . . . ");
    if (env.waitClock) env.waitClock->Wait(kQuitWaitMs);
}

bool chkLZH(const ReportOptions& options, MessageSink& messages, ReportEnv& env, bool force) {
    if (!force && !RefusedProgramFolder(options.appFolder, WindowsFolder())) return false;
    messages.PrintPath(std::string("  UnZip the archived file ") + kArchiveName +
                       " before starting ");
    messages.NewLines(1);
    messages.Print(std::string("  ") + kUtilityProgram + ".");
    messages.NewLines(1);
    WaitAndQuit(options, messages, env);
    return true;
}

bool chkAppPrevInst(const ReportOptions& options, MessageSink& messages, ReportEnv& env,
                    bool force) {
    if (!force) {
        env.instanceLock = AcquireInstanceLock(kUtilityLockName);
        if (env.instanceLock) return false;
    }
    messages.Print(std::string(" You are going to start ") + kUtilityProgram + " again.");
    messages.NewLines(1);
    WaitAndQuit(options, messages, env);
    return true;
}

bool CheckWorkFolder(const ReportOptions& options, const std::string& folder, MessageSink& messages,
                     ReportEnv& env, bool force) {
    std::error_code ec;
    if (!force && std::filesystem::is_directory(options.appFolder / PathFromUtf8(folder), ec))
        return false;
    messages.Print(env.settings.jpn ? "  Work フォルダが見つかりません."
                                    : "  Work folder is absent.");
    messages.NewLines(1);
    WaitAndQuit(options, messages, env);
    return true;
}

void AbsentINI(const ReportOptions& options, MessageSink& messages) {
    const std::string path = AppPath(options);
    messages.PrintPath("  Initialization file");
    messages.NewLines(1);
    if (messages.FitsWidth(path + "Tallowen.ini", 0.8)) {
        messages.PrintPath("  " + path + Separator() + "Tallowen.ini");
        messages.NewLines(1);
        messages.Print("  is not found.");
    } else {
        messages.PrintPath("  " + path);
        messages.NewLines(1);
        messages.Print("  " + Separator());
        messages.Print("Tallowen.ini");
        messages.Print("  is not found.");
    }
    messages.NewLines(1);
    messages.Print(std::string("  ") + kUtilityProgram + "  is running with standard setting.");
    messages.NewLines(2);
}

PageStyle StyleFromSettings(const Settings& settings) {
    PageStyle style;
    style.strict = settings.strict;
    style.japanese = settings.jpn;
    style.textOutput = settings.textOutput;
    style.doubleDummy = settings.doubleDummy;
    style.backColor3 = settings.backColor3;
    style.backColor4 = settings.backColor4;
    style.backColor5 = settings.backColor5;
    style.marks = settings.suitMarkSymbol ? SuitMarkStyle::Symbol
                  : settings.suitMarkGiff ? SuitMarkStyle::Image
                                          : SuitMarkStyle::Entity;
    style.markSizes = settings.suitMarkSizes;
    return style;
}

int RunReportJob(const ReportOptions& options, MessageSink& messages, ReportEnv& env) {
    env.settings = CommonDefaults();
    if (chkLZH(options, messages, env, false)) return 1;
    if (chkAppPrevInst(options, messages, env, false)) return 1;
    Folders folders;
    folders.app = options.appFolder;
    folders.workName = "Work";
    if (CheckWorkFolder(options, folders.workName, messages, env, false)) return 1;

    // An unknown key ends reading; the utility goes on with what was read.
    auto iniFile = FindSettingsFile(options.appFolder);
    if (iniFile) ReadINI(*iniFile, env.ansiPage, env.settings);
    if (env.settingsRead) env.settingsRead(env.settings);

    SummaryJob job;
    job.folders = folders;
    job.style = StyleFromSettings(env.settings);
    job.outputName = env.settings.jpn ? "ハンド記録" : "HandRec";
    job.output = options.appFolder / PathFromUtf8(job.outputName);
    job.cardOrder = static_cast<int>(env.settings.cardOrder);
    job.pbnOutput = env.settings.pbnOutput;
    job.messages = &messages;
    job.clock = &env.clock;
    job.metrics = &env.metrics;
    job.textPage = &env.ansiPage;
    std::unique_ptr<CodePage> sjis = OpenCodePage(932);
    job.sjisPage = sjis.get();
    if (const FileResult made = EnsureFolder(job.output); !made.ok) {
        messages.Print("  " + made.error);
        messages.NewLines(1);
    }

    SuitGifsResult gifs = WriteSuitGifs(job.output, job.style.marks);
    if (!gifs.ok) {
        messages.Print("  " + gifs.error);
        messages.NewLines(1);
    }
    const std::string text =
        std::string(job.style.textOutput ? " / Text" : "") + (job.pbnOutput ? " / PBN" : "");
    messages.Print(job.style.japanese
                       ? std::string("  ハンド記録ファイル (HTML") + text + ") を作成します."
                       : std::string("  Now preparing summary files in HTML") + text + ".");
    messages.NewLines(2);
    if (!iniFile) AbsentINI(options, messages);
    env.summary = MakeSummaries(job);
    return SummaryFailed(env.summary) ? 1 : 0;
}

}  // namespace tallowen
