#pragma once

#include "data/memo_file.h"

namespace kirvo::testing {

// A small memo vocabulary: 天干 with 甲 (topics 0 and 2) and 乙, 通変星 with 比肩 (topic 0); the
// topics 基本 and 運勢.
inline MemoVocabulary SmallMemoVocabulary() {
  MemoVocabulary v;
  v.Me0SG.SetCell(1, 0, "天干");
  v.Me0SG.SetCell(2, 0, "通変星");
  v.Me1SG.SetCell(1, 0, "甲");
  v.Me1SG.SetCell(1, 1, "乙");
  v.Me1SG.SetCell(2, 0, "比肩");
  v.Me2SG.SetCell(1, 0, "02");
  v.Me2SG.SetCell(2, 0, "0");
  v.TpSG.SetCell(1, 1, "基本");
  v.TpSG.SetCell(1, 3, "運勢");
  return v;
}

}  // namespace kirvo::testing
