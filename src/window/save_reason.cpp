// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/save_reason.hpp"

#include <cerrno>
#include <cstring>

namespace hz {

QString save_reason_ja(int error) {
  switch (error) {
    case ENOSPC:
      return QStringLiteral("ディスクに空きがありません");
    case EDQUOT:
      return QStringLiteral("ディスクの割り当て（クォータ）を使い切りました");
    case EFBIG:
      return QStringLiteral("ファイルが大きすぎます");
    case EACCES:
    case EPERM:
      return QStringLiteral("書き込む権限がありません");
    case EROFS:
      return QStringLiteral("読み出し専用の場所です");
    case ENOENT:
      return QStringLiteral("保存先のフォルダがありません");
    case EISDIR:
      return QStringLiteral("同じ名前のフォルダがあります");
    case ENOTDIR:
      return QStringLiteral("保存先の途中にフォルダでないものがあります");
    case ENAMETOOLONG:
      return QStringLiteral("ファイル名が長すぎます");
    case EIO:
      return QStringLiteral("読み書きの途中で装置のエラーが起きました");
    default:
      return QString::fromLocal8Bit(std::strerror(error));
  }
}

}  // namespace hz
