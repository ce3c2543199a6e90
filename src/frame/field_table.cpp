// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/field_table.hpp"

namespace hz {
namespace {

// Each field has exactly one row.
constexpr bool one_row_per_field() {
  for (Field f : {Field::Text1, Field::Text2, Field::Text3, Field::Text4, Field::Text5,
                  Field::Text6, Field::Text7, Field::Text8, Field::Text9, Field::Text11}) {
    int rows = 0;
    for (const FieldInfo& info : field_table) rows += info.field == f;
    if (rows != 1) return false;
  }
  return true;
}
static_assert(one_row_per_field());

}  // namespace

std::map<Field, std::string> default_field_texts() {
  std::map<Field, std::string> texts;
  for (const FieldInfo& info : field_table) texts[info.field] = info.default_text;
  return texts;
}

}  // namespace hz
