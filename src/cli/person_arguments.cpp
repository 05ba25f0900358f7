#include "cli/person_arguments.h"

#include <optional>

#include "calendar/accepted_moments.h"
#include "cli/moment_input.h"
#include "platform/name_text.h"

namespace kirvo::cli {

std::variant<BirthInput, std::string> ReadPersonArguments(const ParsedArguments& parsed) {
  const std::optional<std::string> name = parsed.Get("--name");
  if (!name || name->empty()) return "--name: 氏名を指定してください";
  if (const Status usable = CheckEnteredName(*name); !usable) return "--name: " + usable.error();
  const std::optional<std::string> sex_text = parsed.Get("--sex");
  const std::optional<Sex> sex = sex_text ? SexOfName(*sex_text) : std::nullopt;
  if (!sex) return "--sex: 男 または 女 を指定してください";
  const std::optional<std::string> birth_text = parsed.Get("--birth");
  if (!birth_text) return "--birth: 生年月日時 \"YYYY/MM/DD hh:nn\" を指定してください（時刻不明は 99:99）";
  const std::optional<BirthMoment> birth = BirthOfText(*birth_text);
  if (!birth) return "--birth: 日付または時刻が正しくありません: " + *birth_text;
  if (!IsAcceptedMoment(birth->moment)) return "--birth: " + OutOfRangeReason() + ": " + *birth_text;
  return BirthInput{*name, *birth, *sex};
}

}  // namespace kirvo::cli
