#pragma once

#include "draw_code.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The reading side of a draw code: its "key=value" fields, each taken once by the part of
// the reader that knows it. The first problem met is kept and every later read fails.
namespace tavu::code {

class FieldReader {
public:
    explicit FieldReader(const std::vector<std::string_view>& parts);

    // The value of `key`; a missing field is a damaged code.
    std::string_view required(std::string_view key);
    std::optional<std::string_view> optional(std::string_view key);

    // A decimal number within [low, high]: anything but digits is damage, a number outside
    // the range is out of range. Returns `low` after a failure.
    std::int64_t number(std::string_view key, std::string_view value, std::int64_t low, std::int64_t high);

    void damaged(std::string_view key, std::string_view value);
    void outOfRange(std::string_view key, std::string_view value, std::string_view allowed);
    // A code whose values are each in range but could not come from the page together.
    void impossible(std::string_view why) {
        fail(CodeProblem::OutOfRange, "抽出コードの値が範囲外です: " + std::string(why));
    }

    bool failed() const { return failed_; }
    CodeProblem problem() const { return problem_; }
    const std::string& message() const { return message_; }
    bool allUsed() const;

private:
    struct Field {
        std::string_view key;
        std::string_view value;
        bool used = false;
    };
    void fail(CodeProblem problem, std::string message);

    std::vector<Field> fields_;
    bool failed_ = false;
    CodeProblem problem_ = CodeProblem::Damaged;
    std::string message_;
};

// The command's own fields into `plan` (its command already set).
void readPlan(FieldReader& fields, DrawPlan& plan);
// The data version, the random state and the data fingerprint that end every code.
void readTrailer(FieldReader& fields, DrawCode& code);

} // namespace tavu::code
