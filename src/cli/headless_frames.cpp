// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/headless_frames.hpp"

namespace hz {

const ImageSurface& HeadlessFrames::drawn() const {
  return driver_.pic_draw() == &picture1_ ? picture1_ : picture2_;
}

}  // namespace hz
