#pragma once

// A small memo vocabulary and the golden memo files of the memo tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "data/memo_list.h"
#include "data/memo_vocabulary.h"

namespace kirvo::test {

// The lines of tests/data/golden/<name> (UTF-8, LF).
inline std::vector<std::string> GoldenLines(const std::string& name) {
  std::ifstream in(std::filesystem::path(KIRVO_TESTS_DIR) / "data" / "golden" / name, std::ios::binary);
  EXPECT_TRUE(in.good()) << name;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

inline MemoList GoldenMemos(const std::string& name) { return MemoList::FromTexts(GoldenLines(name)); }

inline std::vector<std::string> Texts(const MemoList& list) {
  std::vector<std::string> texts;
  for (const MemoList::Line& line : list.lines()) texts.push_back(line.text);
  return texts;
}

// 天干: 甲 乙 丙, topics 0 1 2; 通変星: 比肩, topics 0 1.
inline MemoVocabulary SmallVocabulary() {
  MemoVocabulary v;
  v.Me0SG.SetCell(1, 0, "天干");
  v.Me0SG.SetCell(2, 0, "通変星");
  v.Me1SG.SetCell(1, 0, "甲");
  v.Me1SG.SetCell(1, 1, "乙");
  v.Me1SG.SetCell(1, 2, "丙");
  v.Me1SG.SetCell(2, 0, "比肩");
  v.Me2SG.SetCell(1, 0, "012");
  v.Me2SG.SetCell(2, 0, "01");
  v.TpSG.SetCell(1, 1, "基本");
  v.TpSG.SetCell(1, 2, "性格");
  v.TpSG.SetCell(1, 3, "運勢");
  return v;
}

}  // namespace kirvo::test
