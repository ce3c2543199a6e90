// SPDX-License-Identifier: GPL-3.0-or-later
#include "constellation/lesson_stars.hpp"

#include <cstddef>
#include <iterator>

#include "catalog/star_table.hpp"

namespace hz {
namespace {

constexpr LessonStar kStars[] = {
    {"alp CMa", "シリウス"},
    {"alp Car", "カノープス"},
    {"alp1 Cen", "リギル・ケンタウルス"},
    {"alp Boo", "アルクトゥルス"},
    {"alp Lyr", "ベガ"},
    {"alp Aur", "カペラ"},
    {"bet Ori", "リゲル"},
    {"alp CMi", "プロキオン"},
    {"alp Eri", "アケルナル"},
    {"alp Ori", "ベテルギウス"},
    {"bet Cen", "ハダル"},
    {"alp Aql", "アルタイル"},
    {"alp Tau", "アルデバラン"},
    {"alp Vir", "スピカ"},
    {"alp Sco", "アンタレス"},
    {"bet Gem", "ポルックス"},
    {"alp PsA", "フォーマルハウト"},
    {"alp Cyg", "デネブ"},
    {"bet Cru", "ミモザ"},
    {"alp2 Cru", "アクルックス"},
    {"alp Leo", "レグルス"},
    {"eps CMa", "アダーラ"},
    {"alp UMi", "北極星"},
    {"alp Gem", "カストル"},
    {"bet Leo", "デネボラ"},
};

constexpr std::string_view kSummer[] = {"alp Lyr", "alp Aql", "alp Cyg", "alp Lyr"};
constexpr std::string_view kWinter[] = {"alp Ori", "alp CMa", "alp CMi", "alp Ori"};
// From the Dipper's handle along its curve to Arcturus and on to Spica.
constexpr std::string_view kSpringCurve[] = {"eps UMa", "zet UMa", "eta UMa", "alp Boo", "alp Vir"};
constexpr std::string_view kSpring[] = {"alp Boo", "alp Vir", "bet Leo", "alp Boo"};
// The bowl closed, then the handle.
constexpr std::string_view kDipper[] = {"del UMa", "alp UMa", "bet UMa", "gam UMa",
                                        "del UMa", "eps UMa", "zet UMa", "eta UMa"};
constexpr std::string_view kSquare[] = {"alp Peg", "bet Peg", "alp And", "gam Peg", "alp Peg"};
constexpr std::string_view kCassiopeia[] = {"bet Cas", "alp Cas", "gam Cas", "del Cas", "eps Cas"};

constexpr Asterism kAsterisms[] = {
    {"夏の大三角", kSummer},          {"冬の大三角", kWinter}, {"春の大曲線", kSpringCurve},
    {"春の大三角", kSpring},          {"北斗七星", kDipper},   {"秋の四辺形", kSquare},
    {"カシオペヤ座のW", kCassiopeia},
};

}  // namespace

std::span<const LessonStar> lesson_stars() { return kStars; }
std::span<const Asterism> asterisms() { return kAsterisms; }

int builtin_row_of(std::string_view designation) {
  for (std::size_t k = 0; k < star_names.size(); ++k)
    if (designation == star_names[k].designation) return static_cast<int>(k + 1);
  return 0;
}

}  // namespace hz
