// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/almanac_page.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "almanac/body_place.hpp"
#include "almanac/moon_phase.hpp"
#include "common/constants.hpp"
#include "text/almanac_text.hpp"
#include "text/decimal_text.hpp"
#include "text/object_names.hpp"

namespace hz {
namespace {

std::string cell(const std::string& s) { return "<td align=\"center\">" + s + "</td>"; }

std::string event_time(const AlmanacDay& d, AlmanacBody b, AlmanacEventKind k) {
  return cell(clock_text(find_event(d, b, k)));
}

// The transit with its altitude: 「11:52 (34.6°)」.
std::string transit(const AlmanacDay& d, AlmanacBody b) {
  const auto e = find_event(d, b, AlmanacEventKind::transit);
  if (!e) return cell("--:--");
  return cell(clock_text(e) + " (" + fixed_text(e->alt / rd, 1) + "°)");
}

std::string body_row(const AlmanacDay& d, AlmanacBody b) {
  return "<tr><td>" + object_name(almanac_body_object(b)).japanese + "</td>" +
         event_time(d, b, AlmanacEventKind::rise) + transit(d, b) +
         event_time(d, b, AlmanacEventKind::set) + "</tr>";
}

std::string twilight_row(const AlmanacDay& d, const char* name, AlmanacEventKind dawn) {
  const auto dusk = static_cast<AlmanacEventKind>(static_cast<int>(dawn) + 1);
  return std::string("<tr><td>") + name + "</td>" + event_time(d, AlmanacBody::sun, dawn) +
         event_time(d, AlmanacBody::sun, dusk) + "</tr>";
}

// 「2006年1月22日」.
std::string japanese_date(const CalendarDate& date) {
  return fixed_text(date.yr, 0) + "年" + fixed_text(date.mn, 0) + "月" + fixed_text(date.dy, 0) +
         "日";
}

// The next 朔・上弦・望・下弦 from 0:00 JST of the day, in time order.
std::string next_phases_rows(const AlmanacDay& d) {
  static constexpr const char* names[] = {"朔", "上弦", "望", "下弦"};
  const std::array<double, 4> t = next_phases(d.day.t0);
  std::array<int, 4> order = {0, 1, 2, 3};
  std::sort(order.begin(), order.end(), [&](int a, int b) { return t[a] < t[b]; });
  std::string out;
  for (int q : order) {
    const std::optional<JstMoment> m = jst_moment(t[q]);
    if (!m) continue;
    AlmanacEvent e{};
    e.hours = m->hours;
    out += std::string("<tr><td>") + names[q] + "</td><td>" + japanese_date(m->date) + " " +
           clock_text(e) + "</td></tr>";
  }
  return out;
}

}  // namespace

std::string almanac_html(const AlmanacDay& d, double lon, double lat) {
  const std::string place = (lon < 0 ? "西経 " : "東経 ") + fixed_text(std::abs(lon / rd), 2) +
                            "°　" + (lat < 0 ? "南緯 " : "北緯 ") +
                            fixed_text(std::abs(lat / rd), 2) + "°";
  std::string h = "<p><b>" + japanese_date(d.day.date) + "（日本時）</b><br>" + place + "</p>";
  h += "<table cellspacing=\"0\" cellpadding=\"2\"><tr><th></th><th>出</th><th>南中 (高度)</th>"
       "<th>入</th></tr>";
  for (int i = 0; i < almanac_body_count; ++i) {
    h += body_row(d, static_cast<AlmanacBody>(i));
    if (i == 1) h += "<tr><td colspan=\"4\"></td></tr>";  // the planets apart
  }
  h += "</table>";
  h += "<p>月齢 " + moon_age_text(d.moon_age) + "（" + phase_name(d) + "）</p>";
  h += "<table cellspacing=\"0\" cellpadding=\"2\"><tr><th>薄明</th><th>始め</th><th>終わり</th>"
       "</tr>";
  h += twilight_row(d, "天文", AlmanacEventKind::astronomical_dawn);
  h += twilight_row(d, "航海", AlmanacEventKind::nautical_dawn);
  h += twilight_row(d, "常用", AlmanacEventKind::civil_dawn);
  h += "</table><p>次の朔・上弦・望・下弦</p><table cellspacing=\"0\" cellpadding=\"2\">" +
       next_phases_rows(d) + "</table>";
  h += "<p><small>--:-- はその日に起こらない現象。時刻は日本時、分まで。</small></p>";
  return h;
}

std::optional<std::string> almanac_page(double lon, double lat, const CalendarDate& jst_date) {
  const std::optional<AlmanacDay> d =
      almanac_day(lon / rd, lat / rd, jst_date.yr, jst_date.mn, jst_date.dy);
  if (!d) return std::nullopt;
  return almanac_html(*d, lon, lat);
}

std::string reason_html(const std::string& reason) {
  std::string out = "<p>";
  for (char c : reason) {
    if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '&')
      out += "&amp;";
    else if (c == '\n')
      out += "<br>";
    else
      out += c;
  }
  return out + "</p>";
}

}  // namespace hz
