#pragma once

// Explanation files written into a temporary program folder for the tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/text_file.h"

namespace kirvo::test {

// Writes `lines` as a Shift-JIS CR LF file.
inline void WriteLines(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  ASSERT_TRUE(WriteShiftJisFile(path, text).ok());
}

// The file's raw bytes (so tests see the Shift-JIS and the CR LF).
inline std::string RawBytes(const std::filesystem::path& path) {
  const Outcome<std::string> bytes = ReadFileBytes(path);
  EXPECT_TRUE(bytes.ok()) << bytes.error();
  return bytes.ok() ? *bytes : std::string();
}

// `count` names "n1".."n<count>".
inline std::vector<std::string> NumberedNames(int count) {
  std::vector<std::string> names;
  for (int i = 1; i <= count; ++i) names.push_back("n" + std::to_string(i));
  return names;
}

}  // namespace kirvo::test
