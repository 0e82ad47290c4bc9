// "Delete ALL Work Files": asks, then either makes every record a backup (after discarding
// the older backups) or, when the folder holds nothing but backups, brings them back.
#include <string>
#include <vector>

#include "common/Files.h"
#include "records/RecordNames.h"
#include "shell/DelWorkLayout.h"
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
    if (!app.views.delWork.Ask(question.caption, question.lines, restore)) return false;
    if (restore)
        RestoreAll(app, found);
    else
        BackUpAll(app, found);
    return true;
}

}  // namespace tallowen

namespace tallowen {

namespace {

// The design, in pixels: 300 and 600 twips from the main window's corner, buttons at the foot.
constexpr Point kDesignOffset{20, 40};
constexpr int kDesignWidth = 360, kDesignHeight = 240;
constexpr int kButtonHeight = 30, kButtonFoot = 12, kTextTop = 4;
constexpr int kJapaneseWider = 24, kJapaneseLeft = 8;  // 360 and 120 twips

}  // namespace

DelWorkLayout LayoutDelWork(bool japanese, bool restore, const std::string& interfaceFont,
                            const std::string& caption, int lines, int lineHeight) {
    DelWorkLayout d;
    d.offset = kDesignOffset;
    d.width = kDesignWidth;
    d.height = kDesignHeight;
    d.lineHeight = lineHeight;
    const int top = kDesignHeight - kButtonHeight - kButtonFoot;
    d.remove = {caption, Rect{24, top, 24 + 180, top + kButtonHeight}, "", 11};
    d.cancel = {"Cancel", Rect{226, top, 226 + 110, top + kButtonHeight}, "", 11};
    if (japanese) {
        d.width += kJapaneseWider;
        d.offset.x -= kJapaneseLeft;
        const double points = interfaceFont == "メイリオ" ? 12 : 13;
        d.cancel = {"取り消し", Rect{40, top, 40 + 100, top + kButtonHeight}, interfaceFont, 11};
        d.remove = {caption, Rect{150, top, 150 + 210, top + kButtonHeight}, interfaceFont, points};
    } else if (restore) {
        d.remove.place.right += 10;
    }
    // The room under the text goes: the buttons move up and the dialog shrinks by it.
    const int textBottom = kTextTop + lines * lineHeight;
    const int spare = d.height - kButtonHeight - textBottom - 25;
    d.height -= spare;
    for (DialogButton* b : {&d.remove, &d.cancel}) {
        b->place.top -= spare;
        b->place.bottom -= spare;
    }
    return d;
}

}  // namespace tallowen
