// A program folder for one utility run: a Work folder filled from tests/data/report, an
// optional settings file, a fixed clock and the Liberation widths.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "report/ReportJob.h"
#include "tests/report/HtmlCheck.h"
#include "tests/report/TempFolder.h"

namespace tallowen {

class FixedReportClock final : public ReportClock {
public:
    std::string ShortDate() const override { return "2006/10/23"; }
    int FileYear(const std::filesystem::path&) const override { return 2006; }
};

class ReportRun {
public:
    explicit ReportRun(unsigned codePage = 1252) : ansi_(OpenCodePage(codePage)) {
        app_ = folder_.path() / "Tallowen";
        std::filesystem::create_directories(app_ / "Work");
    }
    const std::filesystem::path& app() const { return app_; }
    std::filesystem::path work() const { return app_ / "Work"; }
    const CodePage& ansi() const { return *ansi_; }

    void CopyWork(const std::string& dataFolder) {
        for (auto& entry : std::filesystem::directory_iterator(
                 std::filesystem::path(TALLOWEN_TESTDATA) / "report" / dataFolder))
            std::filesystem::copy_file(entry.path(), work() / entry.path().filename());
    }
    void WriteSettings(const std::vector<std::string>& lines) {
        ASSERT_TRUE(WriteTextLines(app_ / "Tallowen.ini", lines, *ansi_).ok);
    }
    int Run() {
        env_ = std::make_unique<ReportEnv>(clock_, metrics_, *ansi_);
        ReportOptions options;
        options.appFolder = app_;
        messages_ = LineMessageSink();
        return RunReportJob(options, messages_, *env_);
    }
    std::vector<std::string> Messages() const { return messages_.Lines(); }
    std::string MessageText() const {
        std::string all;
        for (const std::string& line : messages_.Lines()) all += line + "\n";
        return all;
    }
    const ReportEnv& env() const { return *env_; }
    std::string Output(const std::string& folder, const std::string& name) const {
        return ReadFileBytes(app_ / PathFromUtf8(folder) / PathFromUtf8(name));
    }
    std::string Utf8Output(const std::string& folder, const std::string& name) const {
        return ansi_->ToUtf8(Output(folder, name)).text;
    }

private:
    TempFolder folder_;
    std::filesystem::path app_;
    std::unique_ptr<CodePage> ansi_;
    FixedReportClock clock_;
    TableFontMetrics metrics_;
    LineMessageSink messages_;
    std::unique_ptr<ReportEnv> env_;
};

}  // namespace tallowen
