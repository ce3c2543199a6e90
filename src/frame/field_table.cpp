// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/field_table.hpp"

#include "text/number_rule.hpp"

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

// The caption without what follows its first blank: 「画面切換時間」 of
// 「画面切換時間   （大きいと遅い）」.
std::string short_caption(const FieldInfo& info) {
  const std::string caption = info.caption_ja;
  return "「" + caption.substr(0, caption.find(' ')) + "」";
}

constexpr const char* kReadAsZeroJa = "の欄が数として読めないため 0 とします";
// The most fields one line beside the fields names.
constexpr std::size_t kNamedInOneLine = 4;

}  // namespace

FieldTexts default_field_texts() {
  FieldTexts texts;
  for (const FieldInfo& info : field_table) texts[info.field] = info.default_text;
  return texts;
}

std::vector<FieldReadAsZero> fields_read_as_zero(const FieldReader& fields) {
  std::vector<FieldReadAsZero> out;
  for (const FieldInfo& info : field_table) {
    const std::string text = fields.text(info.field);
    if (is_blank(text) || begins_with_number(text)) continue;
    out.push_back(
        {info.field, short_caption(info) + kReadAsZeroJa,
         std::string("the ") + info.name_en + " does not begin with a number: read as 0"});
  }
  return out;
}

std::string read_as_zero_line_ja(const std::vector<FieldReadAsZero>& fields) {
  if (fields.empty()) return {};
  std::string names;
  if (fields.size() > kNamedInOneLine) {
    names = short_caption(field_info(fields.front().field)) + "など " +
            std::to_string(fields.size()) + " つ";
  } else {
    for (const FieldReadAsZero& f : fields) names += short_caption(field_info(f.field));
  }
  return names + kReadAsZeroJa;
}

}  // namespace hz
