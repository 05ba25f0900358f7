// Explanation files (KakuSetu.dat, SinSetu.dat) as they come from disk: lines look up as stored,
// written lines read back, and the "/r" line-break escape reads back as the text it escaped.
#include <cstdint>
#include <string>
#include <vector>

#include "data/explanation_texts.h"
#include "data/line_break_escape.h"
#include "fuzz/fuzz_support.h"
#include "platform/line_ends.h"
#include "platform/shift_jis.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kirvo::fuzz::Input input(data, size);
  const int line_number = input.IntIn(-2, 40);
  const std::string typed = input.Text(64);
  const std::string_view bytes = input.Rest();

  if (typed.find(kirvo::kLineBreakEscape) == std::string::npos) {
    FUZZ_CHECK(kirvo::ExpandLineBreaks(kirvo::EscapeLineBreaks(typed)) == kirvo::ToNewlineEnds(typed));
  }

  const std::filesystem::path folder = kirvo::fuzz::ScratchFolder();
  const std::filesystem::path file = folder / kirvo::kPatternExplanations.name;
  kirvo::fuzz::WritePlainFile(file, bytes);
  const kirvo::Outcome<std::vector<std::string>> lines = kirvo::ReadExplanationLines(file);
  FUZZ_CHECK(lines.ok() == kirvo::DecodeShiftJis(bytes).ok());
  const kirvo::Outcome<std::string> looked_up = kirvo::LookUpExplanation(folder, kirvo::kPatternExplanations, line_number);
  FUZZ_CHECK(looked_up.ok() == lines.ok());
  if (!lines) return 0;
  const std::string& shown = *looked_up;
  const std::size_t index = line_number <= 1 ? 0 : static_cast<std::size_t>(line_number - 1);
  const bool exists = line_number >= 0 && index < lines->size();
  FUZZ_CHECK(shown == (exists ? kirvo::ExpandLineBreaks((*lines)[index]) : std::string()));

  // The lines written back read back the same (they came from Shift-JIS, so every one has a code).
  std::vector<std::string> edited = *lines;
  edited.push_back(kirvo::EscapeLineBreaks(typed));
  const kirvo::Status written = kirvo::WriteExplanationLines(file, edited);
  FUZZ_CHECK(written.ok() == kirvo::EncodeShiftJis(edited.back()).ok());
  if (!written) return 0;
  const kirvo::Outcome<std::vector<std::string>> reread = kirvo::ReadExplanationLines(file);
  FUZZ_CHECK(reread.ok());
  const std::string round_trip = *kirvo::DecodeShiftJis(*kirvo::EncodeShiftJis(edited.back()));
  if (round_trip == edited.back()) FUZZ_CHECK(*reread == edited);
  return 0;
}
