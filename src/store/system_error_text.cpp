#include "system_error_text.h"

#include <cerrno>
#include <cstring>

namespace tavu {

std::string systemErrorText(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "権限がありません";
    case ENOENT:
        return "見つかりません";
    case EROFS:
        return "読み取り専用の場所です";
    case ENOSPC:
        return "ディスクの空きがありません";
#ifdef EDQUOT
    case EDQUOT:
        return "ディスクの使用量の上限に達しました";
#endif
    case EEXIST:
        return "同じ名前のファイルやリンクが既にあります";
#ifdef ELOOP
    case ELOOP:
        return "リンクになっているため使えません";
#endif
    case EISDIR:
        return "フォルダになっています";
    case ENOTDIR:
        return "フォルダではありません";
    case ENOMEM:
        return "メモリが足りません";
    case EIO:
        return "装置の入出力エラーです";
    case ENAMETOOLONG:
        return "名前が長すぎます";
    case ENOTEMPTY:
        return "フォルダが空ではありません";
    case EBUSY:
        return "使用中です";
    default:
        return std::strerror(error);
    }
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
