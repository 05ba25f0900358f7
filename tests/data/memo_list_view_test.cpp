#include <gtest/gtest.h>

#include "data/memo_address.h"
#include "data/memo_fixture.h"
#include "data/memo_list_view.h"

namespace kirvo {
namespace {

TEST(MemoListView, TableRowsNameTheirPlaceAndKeepTheStoredText) {
  const MemoVocabulary v = test::SmallVocabulary();
  const TextTable table = MemoListTable(test::GoldenMemos("memo_normalised.txt"), v);
  EXPECT_EQ(table.Row(0), (std::vector<std::string>{"", "分類", "", "単語", "", "トピック", "メ　モ"}));
  EXPECT_EQ(table.Row(1), (std::vector<std::string>{"0", "天干", " 0", "甲", "0", "基本", "甲の話/r二行目"}));
  EXPECT_EQ(table.Row(5), (std::vector<std::string>{"1", "通変星", " 0", "比肩", "1", "性格", "比肩の話"}));
  EXPECT_EQ(MemoListCountText(test::GoldenMemos("memo_normalised.txt")), "件数：5 件");
  EXPECT_EQ(MemoListRowAddress(table, 3), "0:天干 > 1:乙 >2:運勢");
  EXPECT_EQ(KeyOfMemoListAddress(MemoListRowAddress(table, 3)), (MemoKey{0, 1, 2}));
}

TEST(MemoListView, TreeStartsNodesWhereClassificationAndWordChange) {
  const TextTable table = MemoListTable(test::GoldenMemos("memo_normalised.txt"), test::SmallVocabulary());
  const std::vector<MemoTreeNode> tree = MemoListTree(table);
  std::vector<std::string> lines;
  for (const MemoTreeNode& node : tree) lines.push_back(std::string(node.level * 2, ' ') + node.text);
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "0:天干",
                       "   0:甲",
                       "    0:基本     > 甲の話/r二行目",
                       "   1:乙",
                       "    0:基本     > 乙の話",
                       "    2:運勢     > 乙の別の話",
                       "   2:丙",
                       "    0:基本     > 丙の話",
                       "1:通変星",
                       "   0:比肩",
                       "    1:性格     > 比肩の話",
                   }));
}

TEST(MemoListView, ALongMemoNodeIsCutAndARepeatedKeyGetsNoNode) {
  const MemoList memos = MemoList::FromTexts({"h", "0 00" + std::string(300, 'x'), "0 00" + std::string(300, 'x')});
  const std::vector<MemoTreeNode> tree = MemoListTree(MemoListTable(memos, test::SmallVocabulary()));
  ASSERT_EQ(tree.size(), 3u);
  // 255 characters: the padded topic (8), " > " (3) and 244 of the memo.
  EXPECT_EQ(tree[2].text, "0:基本    " + std::string(" > ") + std::string(244, 'x'));
}

}  // namespace
}  // namespace kirvo
