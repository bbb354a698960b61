#include "code_fields.h"

#include <algorithm>
#include <charconv>

namespace tavu::code {

FieldReader::FieldReader(const std::vector<std::string_view>& parts) {
    for (auto part : parts) {
        auto equals = part.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            damaged(part, {});
            continue;
        }
        Field field{part.substr(0, equals), part.substr(equals + 1)};
        bool repeated =
            std::any_of(fields_.begin(), fields_.end(), [&](const Field& f) { return f.key == field.key; });
        if (repeated)
            damaged(field.key, field.value);
        fields_.push_back(field);
    }
}

std::optional<std::string_view> FieldReader::optional(std::string_view key) {
    for (auto& field : fields_)
        if (field.key == key) {
            field.used = true;
            return field.value;
        }
    return std::nullopt;
}

std::string_view FieldReader::required(std::string_view key) {
    auto value = optional(key);
    if (!value)
        fail(CodeProblem::Damaged, "抽出コードが壊れています: 「" + std::string(key) + "=」がありません");
    return value.value_or(std::string_view{});
}

std::int64_t FieldReader::number(std::string_view key, std::string_view value, std::int64_t low,
                                 std::int64_t high) {
    std::int64_t n = 0;
    bool digits = !value.empty() && value.size() <= 12 &&
                  std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || std::from_chars(value.data(), value.data() + value.size(), n).ec != std::errc{}) {
        damaged(key, value);
        return low;
    }
    if (n < low || n > high) {
        outOfRange(key, value, std::to_string(low) + "〜" + std::to_string(high));
        return low;
    }
    return n;
}

void FieldReader::damaged(std::string_view key, std::string_view value) {
    std::string field(key);
    if (!value.empty())
        field += "=" + std::string(value);
    fail(CodeProblem::Damaged, "抽出コードが壊れています: 「" + field + "」が読めません");
}

void FieldReader::outOfRange(std::string_view key, std::string_view value, std::string_view allowed) {
    fail(CodeProblem::OutOfRange, "抽出コードの値が範囲外です: " + std::string(key) + "=" +
                                      std::string(value) + " (" + std::string(allowed) + ")");
}

bool FieldReader::allUsed() const {
    return std::all_of(fields_.begin(), fields_.end(), [](const Field& f) { return f.used; });
}

void FieldReader::fail(CodeProblem problem, std::string message) {
    if (failed_)
        return;
    failed_ = true;
    problem_ = problem;
    message_ = std::move(message);
}

void readTrailer(FieldReader& fields, DrawCode& code) {
    if (auto version = fields.optional("v"))
        code.data.version = static_cast<int>(fields.number("v", *version, 0, 99999));
    code.seed = static_cast<std::uint32_t>(fields.number("s", fields.required("s"), 0, 4294967295));
    auto hash = fields.required("d");
    std::uint64_t value = 0;
    bool hex = hash.size() == 16 && std::all_of(hash.begin(), hash.end(), [](char c) {
                   return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
               });
    if (!hex || std::from_chars(hash.data(), hash.data() + hash.size(), value, 16).ec != std::errc{})
        return fields.damaged("d", hash);
    code.data.hash = value;
}

} // namespace tavu::code
