#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "data/explanation_texts.h"
#include "platform/interaction.h"

namespace kirvo {

// Where the panel takes the explanation texts of patterns and spirit stars from.
class ExplanationSource {
 public:
  virtual ~ExplanationSource() = default;
  // The explanation of entry `line_number` (from 1; 0 reads line 1) of `file` with its line breaks
  // restored; empty when the file has no such line or can't be read.
  std::string Explanation(const ExplanationFile& file, int line_number) {
    std::string text;
    static_cast<void>(AppendExplanation(text, file, line_number));  // empty on failure
    return text;
  }
  // The same explanation added to the end of `text`. A file that can't be read is a failure with
  // the message for the user, and `text` stays as it was.
  virtual Status AppendExplanation(std::string& text, const ExplanationFile& file, int line_number) = 0;
};

// The files of the program folder, read afresh at every lookup so that an edit shows at once. A
// missing file fails with "『name』がありません" at every lookup.
class FolderExplanations final : public ExplanationSource {
 public:
  explicit FolderExplanations(std::filesystem::path folder) : folder_(std::move(folder)) {}
  Status AppendExplanation(std::string& text, const ExplanationFile& file, int line_number) override;

 private:
  std::filesystem::path folder_;
};

// The program folder's files as the services hand them to the windows and the tool: a lookup that
// fails beeps and shows its message, at every lookup, and the heading stays without its text.
class ReportedExplanations final : public ExplanationSource {
 public:
  ReportedExplanations(std::filesystem::path folder, Interaction& interaction)
      : files_(std::move(folder)), interaction_(interaction) {}
  Status AppendExplanation(std::string& text, const ExplanationFile& file, int line_number) override;

 private:
  FolderExplanations files_;
  Interaction& interaction_;
};

// Explanation lines held in memory: the texts shipped with the program, or lines read once.
class LoadedExplanations final : public ExplanationSource {
 public:
  // Lines as stored ("/r" for a line break), of the pattern file and of the spirit-star file.
  LoadedExplanations(const std::vector<std::string>& pattern_lines, const std::vector<std::string>& spirit_star_lines);
  // The texts of KakuSetu.dat and SinSetu.dat built into the program.
  static LoadedExplanations Shipped();

  Status AppendExplanation(std::string& text, const ExplanationFile& file, int line_number) override;

 private:
  std::array<std::vector<std::string>, 2> lines_;  // line breaks restored; patterns, spirit stars
};

}  // namespace kirvo
