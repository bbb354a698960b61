// --format json and csv: each a record other programs read, carrying what the text form
// prints and the draw's seed, code and options.
#include "cli_runner.h"
#include "draw_code_support.h"
#include "fixture_system.h"
#include "test_helpers.h"
#include "text_readers.h"

#include <gtest/gtest.h>

namespace tavu {

using test::linesOf;

namespace {

using Args = std::vector<std::string>;

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += (&line == &lines.front() ? "" : "\n") + line;
    return text;
}

Args with(Args args, const Args& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

} // namespace

// Every draw, with options that show up in its code, as text, JSON and CSV from one seed:
// the same status and stderr, and the record's lines are the text's lines.
TEST(CliFormat, JsonAndCsvCarryTheTextOutputOfEveryDraw) {
    const std::string system = TAVU_SYSTEM_DIR; // large enough for a book

    const std::vector<Args> draws = {
        {"creature", "single", "--elements", "fire,water", "--copies", "2"},
        {"creature", "multiple", "--rarities", "N,S", "--count", "4"},
        {"item", "single", "--kinds", "weapon"},
        {"item", "multiple", "--random-count"},
        {"spell", "single", "--rarities", "R"},
        {"spell", "multiple", "--count", "3"},
        {"book", "--counts", "20,15,15"},
        {"map", "--map", "0", "--magic", "6000,9000", "--sudden-death", "1"},
        {"cpu", "--count", "2", "--allies", "2"},
        // Nothing to draw: the warning, status 3 and an empty record.
        {"creature", "multiple", "--rarities", "E", "--count", "50"},
        // The fields and the footer are among the lines, as the text prints them.
        {"creature", "single", "--fields"},
        {"spell", "single", "--footer"},
    };
    for (const auto& draw : draws) {
        const Args base = with({"--system", system, "--seed", "11"}, draw);
        const auto text = test::runCli(base);
        const auto json = test::runCli(with(base, {"--format", "json"}));
        const auto csv = test::runCli(with(base, {"--format", "csv"}));
        const std::string title = joined(draw);
        ASSERT_TRUE(text.exitCode == 0 || text.exitCode == 3) << title << text.err;
        EXPECT_EQ(json.exitCode, text.exitCode) << title;
        EXPECT_EQ(csv.exitCode, text.exitCode) << title;
        EXPECT_EQ(json.err, text.err) << title;
        EXPECT_EQ(csv.err, text.err) << title;
        const std::string code = test::printedCode(text.err);
        const std::string message = text.exitCode == 3 ? linesOf(text.err).back() : "";

        auto parsed = test::parseJson(json.out);
        ASSERT_TRUE(parsed) << title << "\n" << json.out;
        const auto& record = *parsed;
        EXPECT_EQ(record["code"].text, code) << title;
        EXPECT_EQ(record["seed"].number, 11) << title;
        EXPECT_EQ(code.find("tavu1." + record["command"].text + "."), 0u) << title;
        EXPECT_EQ(record["lines"].strings(), linesOf(text.out)) << title;
        EXPECT_EQ(record["message"].text, message) << title;
        // Every option is a field of the code, none of the code's trailer.
        for (const auto& [key, value] : record["options"].members)
            EXPECT_NE(code.find("." + key + "=" + value.text + "."), std::string::npos)
                << title << " " << key;
        EXPECT_TRUE(record["options"]["s"].text.empty() && record["options"]["d"].text.empty()) << title;

        auto table = test::parseCsv(csv.out);
        ASSERT_TRUE(table && table->size() == 2) << title << "\n" << csv.out;
        const auto& header = table->front();
        const auto& row = table->back();
        ASSERT_EQ(header.size(), row.size()) << title;
        auto field = [&](const std::string& name) {
            for (std::size_t i = 0; i < header.size(); ++i)
                if (header[i] == name)
                    return row[i];
            return std::string("(no column " + name + ")");
        };
        EXPECT_EQ(field("code"), code) << title;
        EXPECT_EQ(field("seed"), "11") << title;
        EXPECT_EQ(field("command"), record["command"].text) << title;
        EXPECT_EQ(field("lines"), joined(linesOf(text.out))) << title;
        EXPECT_EQ(field("message"), message) << title;
    }
    // The first draw's options, as the code spells them.
    auto first = test::parseJson(test::runCli({"--system", system, "--format", "json", "creature", "single",
                                               "--elements", "fire,water", "--copies", "2"})
                                     .out);
    ASSERT_TRUE(first);
    EXPECT_EQ((*first)["options"]["e"].text, "fire-water");
    EXPECT_EQ((*first)["options"]["c"].text, "2");
}

// A replay prints the same record as the draw it repeats; Shift-JIS only belongs to text.
TEST(CliFormat, ReplayRepeatsTheRecordAndShiftJisIsRefused) {
    test::TempDir dir;
    const std::string system = test::writeFixtureSystem(dir.path()).string();
    const auto drawn = test::runCli({"--system", system, "--format", "json", "spell", "multiple"});
    ASSERT_EQ(drawn.exitCode, 0) << drawn.err;
    const auto replayed =
        test::runCli({"--system", system, "replay", test::printedCode(drawn.err), "--format", "json"});
    EXPECT_EQ(replayed.exitCode, 0) << replayed.err;
    EXPECT_EQ(replayed.out, drawn.out);

    const auto sjis = test::runCli({"--system", system, "--sjis", "--format", "csv", "spell", "single"});
    EXPECT_EQ(sjis.exitCode, 2);
    EXPECT_TRUE(sjis.out.empty());
    EXPECT_EQ(test::runCli({"--system", system, "--format", "xml", "spell", "single"}).exitCode, 2);
}

} // namespace tavu
