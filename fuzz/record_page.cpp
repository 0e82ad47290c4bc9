// A record file of any content through the reader, the scoring and the page writers: one
// board of an HTML page and of its text twin, each line as it would be saved. Nothing may
// crash, and no saved line may hold a control character or broken UTF-8.
#include <cstdlib>

#include "common/CodePages.h"
#include "common/Utf8.h"
#include "fuzz/FuzzLines.h"
#include "records/LogSink.h"
#include "records/PlayAnalysis.h"
#include "records/RecordReader.h"
#include "report/Board.h"
#include "report/BoardHtml.h"
#include "report/BoardText.h"
#include "report/PageText.h"

using namespace tallowen;

namespace {

void CheckSaved(const PageText& text) {
    for (const std::string& line : text.Lines()) {
        const std::string saved = PrintableText(line);
        for (const Utf8Char& ch : Utf8Chars(saved)) {
            if (!ch.valid || ch.code < 0x20 || (ch.code >= 0x7F && ch.code <= 0x9F)) std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = fuzz::Lines(data, size);
    Board board;
    if (!ParseDealLines(lines, board.deal).empty()) return 0;
    NullLogSink log;
    DeriveDeal(board.deal, int(size % 2), log);
    board.number = 1;
    board.displayDate = "2026/12/06";
    TableFontMetrics metrics;
    MakeNameForms(board, metrics);
    for (bool strict : {true, false}) {
        PageStyle style;
        style.strict = strict;
        style.marks = strict ? SuitMarkStyle::Entity : SuitMarkStyle::Image;
        PageText page;
        WriteBoardHtml(page, PageContext{style, metrics}, board);
        CheckSaved(page);
    }
    Utf8CodePage utf8;
    TextTwin twin(utf8);
    WriteBoardTextHeader(twin, board);
    WriteBoardText(twin, board);
    CheckSaved(twin.Text());
    return 0;
}
