#include "table_line_checks.h"

#include "card_list.h"
#include "store/field_reader.h"
#include "store/records.h"
#include "store/sjis_text.h"

namespace tavu {

namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// True when the bytes end with the lead byte of a double-byte Shift-JIS character.
bool endsInsideCharacter(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size())
        i += isLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
    return i > bytes.size();
}

std::string quoted(std::string_view what) {
    return "「" + std::string(what) + "」";
}

// Walks a record's layout over the line, checking each field's rule as it goes.
template <class Record>
class LineChecker {
public:
    LineChecker(std::string_view line, int element)
        : line_(line)
        , element_(element) {
        // A text that decodes to the replacement character holds bytes that are no Shift-JIS.
        if (sjis::toUtf8(line).find("\xEF\xBF\xBD") != std::string::npos)
            fault("Shift-JIS として読めない文字があります");
    }

    void text(std::string& value, const TextField& field) {
        checkNumbers();
        std::string_view bytes = line_.substr(pos_, static_cast<std::size_t>(field.width));
        pos_ += bytes.size();
        value = std::string(bytes);
        // The last field of a line may be cut short by its end, where trailing blanks were dropped.
        bool last = ++read_ == fieldCount();
        if (bytes.size() < static_cast<std::size_t>(field.width) && !last)
            breakLayout(quoted(field.what) + "の途中で行が終わっています");
        else if (endsInsideCharacter(bytes))
            breakLayout(quoted(field.what) + "の欄の終わりで全角文字が切れています");
        checkText(field.rule, value);
    }

    void number(std::int32_t& value, const NumberField& field) {
        ++read_;
        value = integer(field.what);
        unchecked_.emplace_back(field, value);
        if (!Record::checkNumbersTogether)
            checkNumbers();
    }

    std::vector<std::string> finish() {
        checkNumbers();
        if (line_.find_first_not_of(' ', pos_) != std::string_view::npos)
            breakLayout("行末に余分な文字があります");
        return std::move(faults_);
    }

private:
    static int fieldCount() {
        static const int count = [] {
            struct Counter {
                int fields = 0;
                void text(const std::string&, const TextField&) { ++fields; }
                void number(std::int32_t, const NumberField&) { ++fields; }
            } counter;
            const Record blank{};
            Record::fields(blank, counter);
            return counter.fields;
        }();
        return count;
    }

    std::int32_t integer(std::string_view what) {
        while (pos_ < line_.size() && isBlank(line_[pos_]))
            ++pos_;
        std::size_t start = pos_;
        while (pos_ < line_.size() && !isBlank(line_[pos_]) && pos_ - start < MaxNumberBytes)
            ++pos_;
        std::string_view token = line_.substr(start, pos_ - start);
        auto value = decimalNumber(token);
        if (token.empty())
            breakLayout(quoted(what) + "の数値がありません");
        else if (!value)
            breakLayout(quoted(what) + "が数値として読めません: " + sjis::toUtf8(token));
        return value.value_or(0);
    }

    void checkText(Rule rule, const std::string& value) {
        if (rule == Rule::Name && withoutTrailingBlanks(value).empty())
            fault("名前が空です");
        if (rule == Rule::Rarity && rarityIndex(value) < 0)
            fault("レア度が「  N」「  S」「  R」「  E」のどれでもありません: 「" + sjis::toUtf8(value) +
                  "」");
        if (rule == Rule::Element && value != "  " + sjis::fromUtf8OrThrow(ElementNames[element_]))
            fault(std::string("属性が「  ") + ElementNames[element_] + "」ではありません: 「" +
                  sjis::toUtf8(value) + "」");
    }

    void checkNumbers() {
        for (const auto& [field, value] : unchecked_) {
            Rule rule = field.rule;
            std::int32_t lowest = rule == Rule::Positive ? 1 : 0;
            if ((rule == Rule::NotNegative || rule == Rule::Positive) && value < lowest)
                fault(quoted(field.what) + "が " + std::to_string(lowest) +
                      " より小さい値です: " + std::to_string(value));
            if (rule == Rule::Flag && value != 0 && value != 1)
                fault(quoted(field.what) + "は 0 か 1 のはずです: " + std::to_string(value));
            if (rule == Rule::ItemKind && (value < 0 || value >= ItemKindCount))
                fault(quoted(field.what) + "は 0〜3 のはずです: " + std::to_string(value));
        }
        unchecked_.clear();
    }

    void fault(std::string message) {
        if (!broken_)
            faults_.push_back(std::move(message));
    }
    void breakLayout(std::string message) {
        fault(std::move(message));
        broken_ = true;
    }

    std::string_view line_;
    int element_;
    std::size_t pos_ = 0;
    int read_ = 0;
    bool broken_ = false;
    std::vector<std::pair<NumberField, std::int32_t>> unchecked_;
    std::vector<std::string> faults_;
};

} // namespace

template <class Record>
std::vector<std::string> checkTableLine(std::string_view line, Record& record, int element) {
    LineChecker<Record> checker(line, element);
    Record::fields(record, checker);
    return checker.finish();
}

template std::vector<std::string> checkTableLine(std::string_view, CreatureRecord&, int);
template std::vector<std::string> checkTableLine(std::string_view, ItemRecord&, int);
template std::vector<std::string> checkTableLine(std::string_view, SpellRecord&, int);
template std::vector<std::string> checkTableLine(std::string_view, CardListRecord&, int);
template std::vector<std::string> checkTableLine(std::string_view, MapRecord&, int);
template std::vector<std::string> checkTableLine(std::string_view, OpponentRecord&, int);

} // namespace tavu
