// "Delete ALL Work Files": asks, then either makes every record a backup (after discarding
// the older backups) or, when the folder holds nothing but backups, brings them back.
#include <string>
#include <vector>

#include "common/Files.h"
#include "records/RecordNames.h"
#include "shell/Messages.h"
#include "shell/RecordList.h"
#include "shell/WorkBackups.h"

namespace tallowen {

namespace {

struct Question {
    std::string caption;
    std::vector<std::string> lines;
};

Question Ask(const AppContext& app, bool restore) {
    const std::string files = " ( *" + std::string(kRecordExtension) + ")";
    const std::string folder = " " + PathToUtf8(app.folders.app) + "\\" + app.folders.workName;
    if (app.jpnInterface && restore)
        return {"作業用ファイルを復元する",
                {" 作業用ファイル", files, " を復元できます。", "", " 復元しますか ？"}};
    if (app.jpnInterface)
        return {"作業用フォルダを空にする",
                {" 下記フォルダ内の全ファイル", files, " を削除します。", "", folder, "", "",
                 " よろしいですか ？"}};
    if (restore)
        return {"Restore Work Files",
                {" Restore Work Files", files, " in Work Folder", "", folder, "",
                 "  Do you want them get Restored ?"}};
    return {"Delete ALL Work Files",
            {" Delete All Files", files, " in Work Folder", "", folder, "", "",
             "  May really Delete All ?"}};
}

void Report(AppContext& app, const std::vector<std::string>& failures) {
    std::string summary = SummariseFailures(failures);
    if (!summary.empty()) ShowError(app, summary);
}

void RestoreAll(AppContext& app, const WorkFiles& found) {
    std::vector<std::string> failures;
    for (const std::string& name : found.backups)
        failures.push_back(RestoreRecord(app.folders, name));
    app.records.work = ScanWorkFiles(app.folders).work;
    Report(app, failures);
}

void BackUpAll(AppContext& app, const WorkFiles& found) {
    std::vector<std::string> failures{DeleteBackups(app.folders)};
    for (const std::string& name : found.work) failures.push_back(BackUpRecord(app.folders, name));
    // Records that could not be moved stay in the folder and keep their place in the list.
    app.records.work = ScanWorkFiles(app.folders).work;
    app.records.listed.assign(app.records.work.rbegin(), app.records.work.rend());
    app.views.main.SetRecordList(app.records.listed);
    Report(app, failures);
}

}  // namespace

bool ClearOrRestoreWork(AppContext& app) {
    WorkFiles found = ScanWorkFiles(app.folders);
    const bool restore = !found.backups.empty() && found.work.empty();
    Question question = Ask(app, restore);
    if (!app.views.delWork.Ask(question.caption, question.lines)) return false;
    if (restore)
        RestoreAll(app, found);
    else
        BackUpAll(app, found);
    return true;
}

}  // namespace tallowen
