// SPDX-License-Identifier: GPL-3.0-or-later
// A direction of the horizon system, in the two units the program uses: radians
// for the arithmetic (altaz, the sky rotation, the almanac), degrees for what
// is typed and shown (the line of sight, a found object's direction).
#pragma once

namespace hz {

// Altitude and azimuth, radians.
//   alt   -pi/2..pi/2, positive above the horizon.
//   az    from north through east (east pi/2, south pi, west 3 pi/2),
//         0 <= az < 2 pi; 2 pi itself may come out for a direction a hair
//         west of north, which callers treat as north.
struct Horizon {
  double alt;
  double az;
};

// Altitude and azimuth, degrees: altitude -90..90, azimuth from north through
// east. Also the line of sight, as the view fields hold it.
struct HorizonDirection {
  double alt_deg = 90;
  double az_deg = 180;
};

}  // namespace hz
