// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/frame_report.hpp"

namespace hz {

ObjectRow object_row(const FrameReport& frame, int i) {
  if (i >= 0 && i < object_table_size) return frame.objects[i];
  const auto k = static_cast<std::size_t>(i - first_extended);
  if (i < first_extended || k >= frame.extended.size()) return {};
  const ExtendedRow& e = frame.extended[k];
  const Horizon h = alt_az_of(e.horizon);
  return {e.ra_h, e.dec_deg, h.alt, h.az, e.d, e.xp, e.yp, e.drawn};
}

}  // namespace hz
