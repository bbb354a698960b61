#include "history/history_export.h"

#include <gtest/gtest.h>

namespace tavu {

using history::HistoryRow;

namespace {

HistoryRow row(std::int64_t id, std::vector<std::string> lines) {
    HistoryRow r;
    r.id = id;
    r.draw = {"2026-12-08T15:30:12Z", "book", "TAVU1-AB", std::move(lines), "", "1.0.0", 7};
    return r;
}

} // namespace

TEST(HistoryExport, CsvQuotesOnlyTheFieldsThatNeedItAndDoublesQuotes) {
    std::vector<HistoryRow> rows = {row(2, {"ファイアードレイク", "a, b"}), row(1, {"say \"hi\""})};
    rows[1].draw.resultFile = "C:\\結果\r\n.txt";
    EXPECT_EQ(history::toCsv(rows),
              "id,time,command,code,lines,result_file,program_version,data_version\r\n"
              "2,2026-12-08T15:30:12Z,book,TAVU1-AB,\"ファイアードレイク\na, b\",,1.0.0,7\r\n"
              "1,2026-12-08T15:30:12Z,book,TAVU1-AB,\"say \"\"hi\"\"\",\"C:\\結果\r\n.txt\",1.0.0,7\r\n");
    EXPECT_EQ(history::toCsv({}), "id,time,command,code,lines,result_file,program_version,data_version\r\n");
}

TEST(HistoryExport, JsonEscapesWhatJsonForbidsAndKeepsJapaneseAsItIs) {
    EXPECT_EQ(history::jsonString("火\"\\/\n\r\t\b\f\x01\x1f\x7f"),
              "\"火\\\"\\\\/\\n\\r\\t\\b\\u000c\\u0001\\u001f\x7f\"");
    EXPECT_EQ(history::jsonString("😀ü"), "\"😀ü\"");
}

TEST(HistoryExport, JsonReplacesEveryByteThatIsNotUtf8) {
    const std::string replacement = "\xEF\xBF\xBD";
    struct Case {
        const char* bytes;
        int replaced;
    };
    // a stray continuation, a lead cut short at the end, a lead before ASCII, an overlong
    // slash, an encoded surrogate, a code point past U+10FFFF, a lead byte that never leads
    for (Case c :
         {Case{"\x80", 1}, Case{"\xE3\x81", 2},
          Case{"\xE3"
               "a",
               1},
          Case{"\xC0\xAF", 2}, Case{"\xED\xA0\x80", 3}, Case{"\xF4\x90\x80\x80", 4}, Case{"\xFF", 1}}) {
        std::string expected = "\"";
        for (int i = 0; i < c.replaced; ++i)
            expected += replacement;
        if (std::string(c.bytes).ends_with("a"))
            expected += "a";
        EXPECT_EQ(history::jsonString(c.bytes), expected + "\"") << testing::PrintToString(c.bytes);
    }
}

TEST(HistoryExport, JsonHoldsOneObjectPerRowWithTheLinesAsAnArray) {
    std::vector<HistoryRow> rows = {row(2, {"一", "二"}), row(1, {})};
    EXPECT_EQ(
        history::toJson(rows),
        "[\n"
        "  {\"id\": 2, \"time\": \"2026-12-08T15:30:12Z\", \"command\": \"book\", \"code\": \"TAVU1-AB\", "
        "\"lines\": [\"一\", \"二\"], \"result_file\": \"\", \"program_version\": \"1.0.0\", "
        "\"data_version\": 7},\n"
        "  {\"id\": 1, \"time\": \"2026-12-08T15:30:12Z\", \"command\": \"book\", \"code\": \"TAVU1-AB\", "
        "\"lines\": [], \"result_file\": \"\", \"program_version\": \"1.0.0\", \"data_version\": 7}\n"
        "]\n");
    EXPECT_EQ(history::toJson({}), "[]\n");
}

} // namespace tavu
