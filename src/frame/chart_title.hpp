// SPDX-License-Identifier: GPL-3.0-or-later
// The title line of a printed star chart: the place and the moment.
#pragma once

#include <string>
#include <string_view>

#include "frame/frame_report.hpp"

namespace hz {

// "東京　北緯 35°41′ 東経 139°46′ の星空　2026 年12 月7 日 21 時00 分 (JST)":
// the place's name when one is given, its latitude and longitude to the
// minute (南緯, 西経 on the other sides), and the frame's caption.
std::string chart_title(const FrameReport& frame, std::string_view place_name);

}  // namespace hz
