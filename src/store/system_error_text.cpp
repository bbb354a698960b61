#include "system_error_text.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace tavu {

namespace {
constexpr std::pair<int, const char*> OwnTexts[] = {
    {EACCES, "権限がありません"},
    {EPERM, "権限がありません"},
    {ENOENT, "見つかりません"},
    {EROFS, "読み取り専用の場所です"},
    {ENOSPC, "ディスクの空きがありません"},
#ifdef EDQUOT
    {EDQUOT, "ディスクの使用量の上限に達しました"},
#endif
    {EEXIST, "同じ名前のファイルやリンクが既にあります"},
#ifdef ELOOP
    {ELOOP, "リンクになっているため使えません"},
#endif
    {EISDIR, "フォルダになっています"},
    {ENOTDIR, "フォルダではありません"},
    {ENOMEM, "メモリが足りません"},
    {EIO, "装置の入出力エラーです"},
    {ENAMETOOLONG, "名前が長すぎます"},
    {ENOTEMPTY, "フォルダが空ではありません"},
    {EBUSY, "使用中です"},
};
} // namespace

std::string systemErrorText(int error) {
    for (const auto& [number, text] : OwnTexts)
        if (number == error)
            return text;
    return std::strerror(error);
}

std::string systemErrorText(const std::error_code& error) {
#ifdef _WIN32
    if (error.category() == std::system_category())
        return error.message(); // Windows error numbers, not errno values
#endif
    if (error.category() == std::generic_category() || error.category() == std::system_category())
        return systemErrorText(error.value());
    return error.message();
}

} // namespace tavu
