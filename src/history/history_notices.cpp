#include "history_notices.h"

#include "store/system_error_text.h"

#include <cerrno>
#include <sqlite3.h>

namespace tavu::history::notice {

namespace {

std::string quoted(const std::filesystem::path& path) {
    return "「" + path.string() + "」";
}

const char* because(Trouble trouble) {
    switch (trouble) {
    case Trouble::Damaged:
        return "壊れていた";
    case Trouble::Locked:
        return "ほかのプログラムが使用中のまま長く空かなかった";
    case Trouble::Unreadable:
        return "読み書きできなかった";
    case Trouble::Folder:
        return "ファイルの代わりに同じ名前のフォルダがあった";
    }
    return "使えなかった";
}

constexpr const char* NotRecorded = "履歴は使えず、抽選は記録されません。";

} // namespace

std::string movedAside(const std::filesystem::path& file, const std::filesystem::path& aside,
                       Trouble trouble) {
    return "履歴ファイル" + quoted(file) + "は" + because(trouble) + "ため、" + quoted(aside) +
           "として残し、新しい履歴を始めました。";
}

std::string notMoved(const std::filesystem::path& file, Trouble trouble, const std::string& why) {
    return "履歴ファイル" + quoted(file) + "は" + because(trouble) +
           "ため使えず、別の名前に移すこともできません" + "でした（" + why + "）。" + NotRecorded;
}

std::string refused(const std::filesystem::path& file, const SchemaRefusal& refusal) {
    if (refusal.kind == SchemaRefusal::Kind::Newer)
        return "履歴ファイル" + quoted(file) + "はこのプログラムより新しい版（形式 " +
               std::to_string(refusal.version) + "）で作られているため、そのまま残しました。" + NotRecorded;
    return quoted(file) + "は履歴ファイルではないため、そのまま残しました。" + NotRecorded;
}

std::string notWritten(const std::filesystem::path& file, const std::string& why) {
    return "履歴ファイル" + quoted(file) + "に書き込めませんでした（" + why + "）。" + NotRecorded;
}

std::string noFolder(const std::filesystem::path& folder, const std::string& why) {
    return "履歴のフォルダ" + quoted(folder) + "を作れませんでした（" + why + "）。" + NotRecorded;
}

std::string noPlace() {
    return std::string("履歴の置き場所が分かりません（HOME も XDG_DATA_HOME も設定されていません）。") +
           NotRecorded;
}

std::string reasonOf(const SqlError& error) {
    switch (error.primary()) {
    case SQLITE_FULL:
        return systemErrorText(ENOSPC);
    case SQLITE_NOMEM:
        return systemErrorText(ENOMEM);
    case SQLITE_PERM:
    case SQLITE_READONLY:
        return systemErrorText(EACCES);
    case SQLITE_CANTOPEN:
        return "開けません";
    case SQLITE_IOERR:
        return systemErrorText(EIO);
    default:
        return std::string(error.what()) + " #" + std::to_string(error.code());
    }
}

} // namespace tavu::history::notice
