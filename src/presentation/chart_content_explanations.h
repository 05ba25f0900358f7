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
  // restored; empty when the file has no such line.
  std::string Explanation(const ExplanationFile& file, int line_number) {
    std::string text;
    AppendExplanation(text, file, line_number);
    return text;
  }
  // The same explanation added to the end of `text`.
  virtual void AppendExplanation(std::string& text, const ExplanationFile& file, int line_number) = 0;
};

// The files of the program folder, read afresh at every lookup so that an edit shows at once. A
// missing file beeps and says "『name』がありません" at every lookup.
class FolderExplanations final : public ExplanationSource {
 public:
  FolderExplanations(std::filesystem::path folder, Interaction& interaction)
      : folder_(std::move(folder)), interaction_(interaction) {}
  void AppendExplanation(std::string& text, const ExplanationFile& file, int line_number) override;

 private:
  std::filesystem::path folder_;
  Interaction& interaction_;
};

// Explanation lines held in memory: the texts shipped with the program, or lines read once.
class LoadedExplanations final : public ExplanationSource {
 public:
  // Lines as stored ("/r" for a line break), of the pattern file and of the spirit-star file.
  LoadedExplanations(const std::vector<std::string>& pattern_lines, const std::vector<std::string>& spirit_star_lines);
  // The texts of KakuSetu.dat and SinSetu.dat built into the program.
  static LoadedExplanations Shipped();

  void AppendExplanation(std::string& text, const ExplanationFile& file, int line_number) override;

 private:
  std::array<std::vector<std::string>, 2> lines_;  // line breaks restored; patterns, spirit stars
};

}  // namespace kirvo
