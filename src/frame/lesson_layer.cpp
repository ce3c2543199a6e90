// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/lesson_layer.hpp"

#include <algorithm>
#include <cmath>

#include "catalog/precession.hpp"
#include "common/picture_colours.hpp"
#include "constellation/milky_way.hpp"
#include "frame/lesson_stars_layer.hpp"
#include "frame/reference_lines.hpp"

namespace hz {
namespace {

bool shown(const FrameReport& report) { return report.is_day == 0 || report.options.stars_by_day; }

// Whether a cap (its centre in the view, the cosine and sine of its radius)
// reaches above the horizon and into the field.
bool may_show(const ViewVec& c, double cos_r, double sin_r, const FieldGeometry& field) {
  if (cos_r <= 0) return true;  // a hemisphere or more
  if (c.zenith < -sin_r) return false;
  const double cos_f = std::cos(field.radius * rd), sin_f = std::sin(field.radius * rd);
  // The cosine of the field's radius plus the cap's, when below 180 degrees.
  const double cos_sum = cos_f * cos_r - sin_f * sin_r;
  const double sin_sum = sin_f * cos_r + cos_f * sin_r;
  return sin_sum < 0 || c.w >= cos_sum;
}

// The levels, each laid beneath what the dome drew.
void draw_milky_way(Surface& pic, const FrameView& view, LessonScratch& s,
                    const FrameReport& report) {
  if (s.milky_way.empty() || s.milky_way_epoch != report.stars_epoch) {
    s.milky_way.clear();
    const double years = 100 * report.stars_epoch;
    for (const SkyPlace& p : milky_way_points) {
      const EquatorialPlace q = precess_place(p.ra_deg / 15, p.dec_deg, years);
      s.milky_way.push_back(equatorial_vector(q.ra_h, q.dec_deg));
    }
    s.milky_way_epoch = report.stars_epoch;
    s.cap_centre.clear();
    s.cap_cos.clear();
    s.cap_sin.clear();
    for (const MilkyWayRing& r : milky_way_rings) {
      Vec3 c{0, 0, 0};
      for (std::uint32_t k = r.first; k < r.first + r.count; ++k) {
        c.x += s.milky_way[k].x;
        c.y += s.milky_way[k].y;
        c.z += s.milky_way[k].z;
      }
      const double n = std::sqrt(c.x * c.x + c.y * c.y + c.z * c.z);
      c = {c.x / n, c.y / n, c.z / n};
      double least_cos = 1;
      for (std::uint32_t k = r.first; k < r.first + r.count; ++k) {
        const Vec3& p = s.milky_way[k];
        least_cos = std::min(least_cos, c.x * p.x + c.y * p.y + c.z * p.z);
      }
      s.cap_centre.push_back(c);
      s.cap_cos.push_back(least_cos);
      s.cap_sin.push_back(std::sqrt(std::max(0.0, 1 - least_cos * least_cos)));
    }
  }
  const SkyRotation rot = frame_rotation(view);
  const FieldGeometry field{xc_sky, yc_sky, view.scale, view.radius};
  // Brightest first, each level on the sky's colour only: a fainter level
  // then leaves a brighter one's pixels as they are, and each pixel is
  // painted once.
  const Rgb under[] = {report.sky};
  std::size_t end = milky_way_rings.size();
  for (int level = milky_way_levels; level >= 1; --level) {
    std::size_t begin = end;
    while (begin > 0 && milky_way_rings[begin - 1].level == level) --begin;
    s.fill.begin(field);
    for (std::size_t ring = begin; ring < end; ++ring) {
      const MilkyWayRing& r = milky_way_rings[ring];
      // A ring wholly below the horizon or outside the field is left out:
      // its cap is.
      if (!may_show(rot.view(s.cap_centre[ring]), s.cap_cos[ring], s.cap_sin[ring], field))
        continue;
      s.ring.clear();
      for (std::uint32_t k = r.first; k < r.first + r.count; ++k)
        s.ring.push_back(rot.view(s.milky_way[k]));
      s.fill.add_ring(s.ring);
    }
    pic.fill_spans_under(s.fill.spans(), col_milky_way[level - 1], under);
    end = begin;
  }
}

}  // namespace

bool any_lesson_label(const FrameOptions& o) {
  return o.star_names || o.asterisms || o.ecliptic || o.equatorial_grid;
}

void draw_lesson_beneath(Surface& pic, ConstellationSky& sky, const FrameView& view,
                         const ObjectArray& ra_obj, const ObjectArray& dc_obj,
                         LessonScratch& scratch, const FrameReport& report) {
  const FrameOptions& o = report.options;
  if (!shown(report)) return;
  if (o.milky_way) draw_milky_way(pic, view, scratch, report);
  if (o.equator || o.ecliptic || o.meridian || o.equatorial_grid)
    draw_reference_lines(pic, view, o, scratch.points);
  if (o.asterisms) draw_asterism_lines(pic, sky, view, ra_obj, dc_obj);
}

void draw_lesson_labels(Surface& pic, ConstellationSky& sky, const FrameView& view,
                        const ObjectArray& ra_obj, const ObjectArray& dc_obj,
                        LessonScratch& scratch, std::vector<LabelBox>& taken,
                        const FrameReport& report) {
  const FrameOptions& o = report.options;
  if (!shown(report) || !any_lesson_label(o)) return;
  for (LabelBatch& b : scratch.batches) {
    b.texts.clear();
    b.corners.clear();
  }
  LabelBatch& stars = scratch.batches[0];
  LabelBatch& shapes = scratch.batches[1];
  LabelBatch& equinoxes = scratch.batches[2];
  LabelBatch& grid = scratch.batches[3];
  place_lesson_names(sky, view, o, ra_obj, dc_obj, taken, stars, shapes);
  place_reference_labels(view, o, taken, equinoxes, grid);
  const Rgb fore = pic.fore_color();
  const double cur_x = pic.current_x(), cur_y = pic.current_y();
  print_labels(pic, scratch.batches, report.sky);
  pic.set_fore_color(fore);
  pic.set_current(cur_x, cur_y);
}

}  // namespace hz
