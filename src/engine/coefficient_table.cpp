#include "engine/coefficient_table.h"

namespace kirvo {

namespace {

struct CoefficientRow {
  int key;
  RelationWeights weights;
};

// 係数: key of the missing elements, then the weights of 主 洩 分 剋 生.
// clang-format off
inline constexpr std::array<CoefficientRow, 16> kCoefficientTable = {{
    //  K        主       洩       分       剋        生
    {   0,  {0.8125,  0.3125,  0.625,   0.28125,  0.40625}},
    {1111,  {1,       0,       0,       0,        0      }},
    {1000,  {0.75,    0.5,     1,       1,        0      }},
    { 100,  {1,       0,       0.5,     0,        1      }},
    {  10,  {1,       0,       0,       0.25,     0.5    }},
    {   1,  {0.5,     1,       1,       0,        0.25   }},
    {1100,  {1,       0,       1,       1,        0      }},
    {1010,  {1,       0,       0,       1,        0      }},
    {1001,  {1,       1,       0,       0,        0      }},
    { 101,  {1,       0,       1,       0,        1      }},
    { 110,  {1,       0,       0,       1,        1      }},
    {  11,  {1,       0,       0,       0,        0.5    }},
    { 111,  {1,       0,       0,       0,        1      }},
    {1011,  {1,       0,       0,       0,        0      }},
    {1101,  {1,       0,       0,       0,        0      }},
    {1110,  {1,       0,       0,       1,        0      }},
}};
// clang-format on

}  // namespace

int CoefficientKey(const std::array<std::int64_t, 5>& totals) {
  const auto missing = [&](int relation) { return totals[relation] == 0 ? 1 : 0; };
  return 1000 * missing(4) + 100 * missing(1) + 10 * missing(2) + missing(3);
}

const RelationWeights& CoefficientsFor(const std::array<std::int64_t, 5>& totals) {
  const int key = CoefficientKey(totals);
  for (const CoefficientRow& row : kCoefficientTable) {
    if (row.key == key) return row.weights;
  }
  return kCoefficientTable.front().weights;
}

}  // namespace kirvo
