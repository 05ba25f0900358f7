#include "services/app_services.h"

#include "calendar/local_clock.h"
#include "engine/chart_age.h"
#include "engine/chart_pipeline.h"
#include "engine/chart_text_copy.h"
#include "presentation/chart_content.h"
#include "presentation/frame_constants.h"
#include "settings/sys_chart_moment.h"
#include "settings/sys_settings_file.h"

namespace kirvo {

Outcome<std::unique_ptr<AppServices>> AppServices::Open(std::filesystem::path program_folder,
                                                        const std::filesystem::path& store_file,
                                                        Interaction& interaction) {
  Outcome<FileSettingsStore> store = FileSettingsStore::Open(store_file);
  if (!store) return Outcome<std::unique_ptr<AppServices>>::Failure(store.error());
  if (!store->LoadProblem().empty()) interaction.ShowMessage(store->LoadProblem());
  auto owned = std::make_unique<FileSettingsStore>(std::move(store).value());
  return std::unique_ptr<AppServices>(
      new AppServices(std::move(program_folder), store_file, std::move(owned), interaction));
}

AppServices::AppServices(std::filesystem::path program_folder, std::filesystem::path store_file,
                         std::unique_ptr<FileSettingsStore> store, Interaction& interaction)
    : program_folder_(std::move(program_folder)),
      store_file_(std::move(store_file)),
      store_(std::move(store)),
      interaction_(interaction),
      title_(kApplicationTitle),
      help_file_(kHelpIndexFile),
      explanations_(program_folder_, interaction) {}

void AppServices::LoadBranding() {
  branding_ = kirvo::LoadBranding(program_folder_, interaction_);
  if (!branding_) return;
  title_ = BrandedTitle(*branding_, title_);
  if (const auto help = BrandedHelpFile(*branding_, program_folder_)) help_file_ = help->filename().string();
}

void AppServices::LoadSystemSettings() { sys_ = LoadSysSettings(program_folder_, *store_, branding_, interaction_); }

void AppServices::LoadRuleSettings() { usys_.Load(program_folder_, *store_, interaction_); }

Status AppServices::SaveSystemSettings() { return SaveSysSettings(sys_, program_folder_, interaction_); }

Status AppServices::SaveRuleSettings() { return usys_.Save(interaction_); }

void AppServices::WriteStartValues() {
  for (const Status& written : {store_->WriteString("", kProgramFolderValue, program_folder_.string()),
                                store_->WriteString("", kVersionValueName, kVersionValue)}) {
    if (!written) {
      interaction_.ShowMessage(written.error());
      return;
    }
  }
}

Outcome<std::string> AppServices::ChartTextOf(const BirthInput& input, LuckRange range) {
  // An unknown hour ("99:99") is computed as 12:00 and the chart drops its hour pillar.
  const bool hour_known = HourKnown(input);
  const std::string birth_text = input.date_text + " " + input.time_text;
  // The chart window reads its moment from a date field and an "hh:nn" field: whole minutes.
  const DateTime moment = DefaultChartMoment(sys_, birth_text, LocalClockNow());
  const std::optional<DateTime> chart_moment = DateTime::ParseDateTimeText(moment.DateTimeText());
  std::optional<TMeiData> record = NewChartRecord(input, chart_moment.value_or(moment));
  if (!record) return Outcome<std::string>::Failure("生年月日時が正しくありません: " + birth_text);
  if (!PassesAgeCheck(record->ChartDateTime, record->BirthDateTime)) {
    return Outcome<std::string>::Failure("作式日時 " + record->ChartDateTime.DateTimeText() +
                                         " は生年月日時から 0〜110 歳の範囲にありません");
  }

  ChartBoard board;
  RelationList stem_relations, branch_relations;
  const ChartRules rules{usys_, sys_};
  RunFullPipeline(board, *record, range, branch_relations, stem_relations, hour_known, rules);

  std::string text;
  const ChartRowLayout layout = ChartRowLayoutOf(sys_, sys_.MCB);
  for (const std::string& line :
       ChartTextCopy(board, *record, range, layout, stem_relations.size(), branch_relations.size())) {
    text += line + "\n";
  }
  const ContentBranding hides = ContentBrandingOf(branding_, sys_);
  ChartContent content = NewChartContent(rules, hides);
  const std::string prefix = "< " + std::string(LuckRangeCaption(range)) + " >";
  RefreshChartContent(content, prefix, board, *record, range, hour_known, rules, hides, explanations_);
  text += "\n" + GridTextOf(content, CopyableGrid::kContentTable);
  text += "\n" + GridTextOf(content, CopyableGrid::kElementTable);
  text += "\n" + GridTextOf(content, CopyableGrid::kStemNumbers);
  return text;
}

}  // namespace kirvo
