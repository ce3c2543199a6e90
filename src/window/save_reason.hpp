// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace hz {

// Why a file could not be written, in Japanese, for a system error number:
// the common reasons in the window's words, the system's own text otherwise.
QString save_reason_ja(int error);

}  // namespace hz
