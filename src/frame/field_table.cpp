// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/field_table.hpp"

namespace hz {
namespace {

// Each field has exactly one row.
constexpr bool one_row_per_field() {
  for (Field f :
       {Field::longitude, Field::latitude, Field::hour, Field::minute, Field::year, Field::month,
        Field::day, Field::view_altitude, Field::view_azimuth, Field::frame_interval}) {
    int rows = 0;
    for (const FieldInfo& info : field_table) rows += info.field == f;
    if (rows != 1) return false;
  }
  return true;
}
static_assert(one_row_per_field());

}  // namespace

FieldTexts default_field_texts() {
  FieldTexts texts;
  for (const FieldInfo& info : field_table) texts[info.field] = info.default_text;
  return texts;
}

}  // namespace hz
