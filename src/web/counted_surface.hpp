// SPDX-License-Identifier: GPL-3.0-or-later
// A memory surface that counts the frames drawn on it, so that the page
// knows when the picture may have changed: every frame starts with a clear.
#pragma once

#include <cstdint>

#include "render/memory_surface.hpp"

namespace hz::web {

class CountedSurface : public MemorySurface {
 public:
  explicit CountedSurface(std::uint32_t& clears) : clears_(clears) {}
  void cls() override {
    ++clears_;
    MemorySurface::cls();
  }

 private:
  std::uint32_t& clears_;
};

}  // namespace hz::web
