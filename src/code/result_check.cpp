#include "result_check.h"

#include "data_fingerprint.h"
#include "draw_run.h"
#include "store/sjis_text.h"

namespace tavu::code {

namespace {
constexpr std::string_view CodeLineLead = "抽出コード: ";

const std::string& codeLineLead() {
    static const std::string lead = sjis::fromUtf8OrThrow(CodeLineLead);
    return lead;
}

CheckReport differs(CheckReport report, std::size_t at, const std::vector<std::string>& drawn,
                    const std::vector<std::string>& file, std::size_t fileEnd) {
    report.outcome = CheckOutcome::LineDiffers;
    report.line = static_cast<int>(at) + 1;
    report.expected = at < drawn.size() ? drawn[at] : std::string();
    report.found = at < fileEnd ? file[at] : std::string();
    return report;
}
} // namespace

std::string codeLine(const std::string& code) {
    return codeLineLead() + code;
}

std::optional<std::string> codeOfFile(const std::vector<std::string>& lines) {
    for (auto line = lines.rbegin(); line != lines.rend(); ++line)
        if (line->rfind(codeLineLead(), 0) == 0)
            return line->substr(codeLineLead().size());
    return std::nullopt;
}

CheckReport checkResultLines(const std::vector<std::string>& fileLines, const Tables& tables,
                             const DataFingerprint& data) {
    CheckReport report;
    auto text = codeOfFile(fileLines);
    if (!text) {
        report.codeMessage = "抽出コードの行 (「抽出コード: 」で始まる行) がありません";
        return report;
    }
    auto parsed = parseCode(*text);
    if (!parsed.code) {
        report.codeMessage = parsed.message;
        return report;
    }
    report.codeData = parsed.code->data;
    if (parsed.code->data.hash != data.hash) {
        report.outcome = CheckOutcome::OtherData;
        return report;
    }
    RandomSource random;
    random.setSeed(parsed.code->seed);
    DrawOutput drawn = runDraw(tables, parsed.code->plan, random);
    // Lines before the code line only: a file cut short must not match on its code line.
    std::size_t fileEnd = 0;
    for (std::size_t i = 0; i < fileLines.size(); ++i)
        if (fileLines[i].rfind(codeLineLead(), 0) == 0)
            fileEnd = i;
    if (!drawn.drawn) {
        report.drawnMessage = drawn.message;
        return differs(report, 0, drawn.lines, fileLines, fileEnd);
    }
    for (std::size_t i = 0; i < drawn.lines.size(); ++i)
        if (i >= fileEnd || fileLines[i] != drawn.lines[i])
            return differs(report, i, drawn.lines, fileLines, fileEnd);
    report.outcome = CheckOutcome::Match;
    return report;
}

std::string describeCheck(const CheckReport& report, const DataFingerprint& data) {
    switch (report.outcome) {
    case CheckOutcome::Match:
        return "一致しました";
    case CheckOutcome::LineDiffers:
        if (!report.drawnMessage.empty())
            return "この抽出コードでは結果が出ません: " + report.drawnMessage;
        return std::to_string(report.line) + " 行目が違います\nファイル: " + sjis::toUtf8(report.found) +
               "\n抽出結果: " + sjis::toUtf8(report.expected);
    case CheckOutcome::OtherData:
        return "別のデータで抽出された結果です (抽出時のデータ: " + dataVersionText(report.codeData) +
               "、このデータ: " + dataVersionText(data) + ")";
    case CheckOutcome::NoCode:
        break;
    }
    return report.codeMessage;
}

} // namespace tavu::code
