// kirvo-screenshot OUTPUT.png [RANGE | era | natural | persons | search | nearterm]: starts the program in a fresh
// program folder, opens the chart of a sample person, so that the side panel shows its content, switches the chart
// window to the range 0..5 when one is given, and renders the main window into a PNG (compressed as far
// as the format goes); "era" renders the era entry dialog instead, "natural" the natural-time dialog
// after a click on the map, "persons" the person list window with a few persons and their chart
// summaries, "search" the date search dialog, "rules0".."rules9" the rule settings dialog on that tab, "sys0".."sys8"
// the system settings dialog, "kaku", "sin", "setulist", "gaiji", "tools" and "backup" the editors and tools (see
// ToolWindow), "nearterm" the chart of a birth near 立春, "child" or "child0".."child5" the chart window alone at that
// range, "memo" the side panel showing a memo, "memosettings" and "memolist" the two memo editors, "preview" the print
// preview of the chart, "printcombined", "printstrips", "printpersons", "printmemos" and "printsetulist" the first page
// of a print. Runs offscreen unless a platform is set.
// kirvo-screenshot --diagrams FIVE_ELEMENT.png STEM_BRANCH.png: opens the two correlation diagrams
// with the main window's commands (五行 and 三合（支）) and renders each window.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTabWidget>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <cstdio>
#include <cstring>

#include "app/bridge/fonts.h"
#include "app/chart/chart_window.h"
#include "app/luck/combined_window.h"
#include "app/diagrams/five_element_diagram_window.h"
#include "app/editors/explanation_editor_dialog.h"
#include "app/editors/explanation_list_dialog.h"
#include "app/diagrams/stem_branch_diagram_window.h"
#include "app/frame/side_panel.h"
#include "app/luck/luck_window.h"
#include "app/memos/memo_list_dialog.h"
#include "app/memos/memo_settings_dialog.h"
#include "app/persons/person_file_commands.h"
#include "app/persons/person_list_window.h"
#include "app/printing/print_preview_dialog.h"
#include "app/settings_dialogs/rule_settings_dialog.h"
#include "app/settings_dialogs/sys_settings_dialog.h"
#include "app/time/date_search_dialog.h"
#include "app/time/era_date_dialog.h"
#include "app/time/natural_time_dialog.h"
#include "app/tools/backup_dialog.h"
#include "app/tools/special_characters_dialog.h"
#include "app/tools/tool_settings_dialog.h"
#include "app/bridge/fonts.h"
#include "app/services/app_services.h"
#include "data/explanation_editor.h"
#include "calendar/natural_time.h"
#include "program_fixture.h"

namespace {

constexpr int kWidthPx = 1280, kHeightPx = 860;
constexpr int kMostCompressed = 0;       // PNG quality 0: the strongest compression
constexpr int kStemBranchItemShown = 5;  // 三合（支）: triangles, dots and the ring of branches

bool Save(const QImage& image, const char* path) {
  if (image.save(QString::fromLocal8Bit(path), "PNG", kMostCompressed)) return true;
  std::fprintf(stderr, "cannot write %s\n", path);
  return false;
}

// The diagram window that the main window's `command` opened, showing `item`.
template <class Window>
Window* OpenDiagram(kirvo::MainWindow& window, kirvo::MainCommand command, int item) {
  window.command(command)->trigger();
  const QList<Window*> opened = window.findChildren<Window*>();
  if (opened.isEmpty()) return nullptr;
  Window* diagram = opened.back();
  diagram->selector()->setCurrentIndex(item);
  if (!QTest::qWaitForWindowExposed(diagram)) return nullptr;
  return diagram;
}

int RenderDiagrams(kirvo::MainWindow& window, const char* five_element_path, const char* stem_branch_path) {
  auto* five = OpenDiagram<kirvo::FiveElementDiagramWindow>(window, kirvo::MainCommand::kFiveElementDiagram, 0);
  auto* stems =
      OpenDiagram<kirvo::StemBranchDiagramWindow>(window, kirvo::MainCommand::kStemBranchDiagram, kStemBranchItemShown);
  if (five == nullptr || stems == nullptr) {
    std::fputs("the diagram windows did not open\n", stderr);
    return 1;
  }
  QTest::qWait(200);
  return Save(five->grab().toImage(), five_element_path) && Save(stems->grab().toImage(), stem_branch_path) ? 0 : 1;
}

// The editors and the tools dialogs: "kaku" and "sin" the two explanation editors on their second
// entry, "setulist" the list of the pattern explanations, "gaiji" the special characters with the
// Unicode choice, "tools" the tools dialog, "backup" the backup dialog. Nothing for another mode.
std::unique_ptr<QDialog> ToolWindow(const QString& mode, kirvo::AppServices& services, kirvo::Interaction& interaction,
                                    kirvo::PrintPreviewRequest print_preview = {}) {
  const bool patterns = mode == QLatin1String("kaku") || mode == QLatin1String("setulist");
  if (patterns || mode == QLatin1String("sin")) {
    const kirvo::ExplanationEditorForm& form =
        patterns ? kirvo::kPatternExplanationEditor : kirvo::kSpiritStarExplanationEditor;
    std::vector<std::string> entries = patterns ? kirvo::PatternExplanationEntries(services.sys().names.patterns)
                                                : kirvo::SpiritStarExplanationEntries(services.sys().names.spirit_stars);
    kirvo::Outcome<kirvo::ExplanationEditor> editor =
        kirvo::ExplanationEditor::Open(form, std::move(entries), services.program_folder());
    if (!editor) return nullptr;
    auto dialog = std::make_unique<kirvo::ExplanationEditorDialog>(
        interaction, std::move(editor).value(), kirvo::QFontOf(services.sys().SetuFont), nullptr);
    dialog->next_button()->click();
    if (mode != QLatin1String("setulist")) return dialog;
    auto list = std::make_unique<kirvo::ExplanationListDialog>(dialog->ListTable(), nullptr, std::move(print_preview));
    list->resize(760, 560);
    return list;
  }
  if (mode == QLatin1String("gaiji")) {
    auto dialog = std::make_unique<kirvo::SpecialCharactersDialog>(services.store(), interaction, services.title(),
                                                                   nullptr);
    dialog->unicode_box()->setChecked(true);
    return dialog;
  }
  if (mode == QLatin1String("backup")) {
    return std::make_unique<kirvo::BackupDialog>(kirvo::BackupNeeds{
        services.program_folder(), services.store(), interaction, services.title(), nullptr, nullptr});
  }
  if (mode == QLatin1String("tools")) {
    auto dialog = std::make_unique<kirvo::ToolSettingsDialog>(kirvo::ToolList::Read(services.store()), nullptr);
    dialog->table()->selectRow(0);
    return dialog;
  }
  return nullptr;
}

// The person list with a few persons and their chart summaries at 2024-07-20, shown.
kirvo::PersonListWindow* ShowPersonList(kirvo::MainWindow& window, kirvo::Interaction& interaction) {
  kirvo::PersonList& list = window.persons()->file().list();
  using kirvo::Sex;
  const auto person = [](const char* name, Sex sex, const char* birth) {
    return kirvo::BirthInput{name, *kirvo::BirthOfText(birth), sex};
  };
  for (const kirvo::BirthInput& entry :
       {person("佐藤花子", Sex::kFemale, "1990/07/23 99:99"), person("鈴木一郎", Sex::kMale, "1955/11/03 06:30"),
        person("高橋美咲", Sex::kFemale, "2001/04/15 21:10"), person("田中健", Sex::kMale, "1972/12/31 23:45")}) {
    static_cast<void>(list.Register(entry, interaction));
  }
  kirvo::PersonListWindow* persons = window.persons()->window();
  persons->Reload();
  persons->resize(1100, 330);
  window.persons()->ShowList();
  persons->SetChartMoment(*kirvo::DateTime::ParseDateTimeText("2024/07/20 15:47"));
  persons->findChild<QComboBox*>(QStringLiteral("CB1"))->setCurrentIndex(1);
  persons->GenerateSummaries();
  for (int waited = 0; persons->Generating() && waited < 100; ++waited) QTest::qWait(50);
  QTest::qWait(100);
  return persons;
}

}  // namespace

int main(int argc, char** argv) {
  const bool diagrams = argc == 4 && std::strcmp(argv[1], "--diagrams") == 0;
  if (argc != 2 && argc != 3 && !diagrams) {
    std::fputs(
        "usage: kirvo-screenshot OUTPUT.png [RANGE 0..5 | era | natural | persons | search | nearterm | childRANGE | combined | luck | rulesTAB | sysTAB | kaku | sin | setulist | gaiji | tools | backup]\n"
        "       kirvo-screenshot --diagrams FIVE_ELEMENT.png STEM_BRANCH.png\n",
        stderr);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  kirvo::UseJapaneseFonts();
  kirvo::ProgramFixture fixture;
  std::unique_ptr<kirvo::Program> program = fixture.StartShown();
  if (!program) {
    std::fputs("the program did not start\n", stderr);
    return 1;
  }
  kirvo::MainWindow& window = program->main_window();
  if (diagrams) return RenderDiagrams(window, argv[2], argv[3]);
  window.resize(kWidthPx, kHeightPx);
  // "nearterm": a person born between the two methods' 立春 of 1986, so the chart carries the notice.
  const bool near_term = argc == 3 && QString::fromLocal8Bit(argv[2]) == QLatin1String("nearterm");
  const char* person = near_term ? "春野立子" : "山田太郎";
  if (near_term) {
    window.entry_bar()->SetFields({person, kirvo::Sex::kFemale, "1986/02/04", "12:03"});
  } else {
    window.entry_bar()->SetFields({person, kirvo::Sex::kMale, "1984/02/10", "12:30"});
  }
  window.OpenChild(kirvo::ChartWindowKind::kChart, window.entry_bar()->Fields());
  if (window.ActiveChartWindow() == nullptr || window.panel()->Content().record.PersonName != person) {
    std::fputs("the chart window did not open or did not fill the side panel\n", stderr);
    return 1;
  }
  if (argc == 3) {
    if (std::unique_ptr<QDialog> dialog = ToolWindow(QString::fromLocal8Bit(argv[2]), program->services(),
                                                     fixture.interaction)) {
      dialog->show();
      QTest::qWait(100);
      return Save(dialog->grab().toImage(), argv[1]) ? 0 : 1;
    }
  }
  if (argc == 3 && QString::fromLocal8Bit(argv[2]) == QLatin1String("era")) {
    kirvo::EraDateDialog dialog(fixture.interaction, *kirvo::DateTime::FromDate(1989, 1, 7));
    dialog.show();
    QTest::qWait(100);
    return Save(dialog.grab().toImage(), argv[1]) ? 0 : 1;
  }
  if (argc == 3 && QString::fromLocal8Bit(argv[2]) == QLatin1String("search")) {
    kirvo::DateSearchDialog dialog(program->services(), {});
    dialog.Choice(4)->setCurrentIndex(1);
    dialog.Choice(5)->setCurrentIndex(1);
    dialog.show();
    QTest::qWait(100);
    return Save(dialog.grab().toImage(), argv[1]) ? 0 : 1;
  }
  if (argc == 3 && QString::fromLocal8Bit(argv[2]).startsWith(QLatin1String("rules"))) {
    kirvo::AppServices& services = program->services();
    kirvo::USysSettings settings = services.usys();
    kirvo::RuleSettingsDialog dialog({settings, services.sys(), services.program_folder(), fixture.interaction,
                                      services.branding(), nullptr, nullptr, nullptr});
    const int tab = QString::fromLocal8Bit(argv[2]).mid(5).toInt();
    if (tab < 0 || tab >= dialog.tabs()->count()) return 1;
    dialog.tabs()->setCurrentIndex(tab);
    dialog.show();
    QTest::qWait(100);
    return Save(dialog.grab().toImage(), argv[1]) ? 0 : 1;
  }
  if (argc == 3 && QString::fromLocal8Bit(argv[2]).startsWith(QLatin1String("sys"))) {
    kirvo::AppServices& services = program->services();
    kirvo::SysSettings settings = services.sys();
    kirvo::SysSettingsDialog dialog({settings, services.program_folder(), services.store(), services.branding(),
                                     fixture.interaction, nullptr, nullptr, nullptr, nullptr});
    const int tab = QString::fromLocal8Bit(argv[2]).mid(3).toInt();
    if (tab < 0 || tab >= dialog.tabs()->count()) return 1;
    dialog.tabs()->setCurrentIndex(tab);
    dialog.show();
    QTest::qWait(100);
    return Save(dialog.grab().toImage(), argv[1]) ? 0 : 1;
  }
  if (argc == 3 && QString::fromLocal8Bit(argv[2]) == QLatin1String("natural")) {
    std::optional<kirvo::NaturalTimeSession> session =
        kirvo::NaturalTimeSession::OpenInFolder("1984/02/1012:30", fixture.folder(), fixture.interaction);
    if (!session) return 1;
    kirvo::NaturalTimeDialog dialog(fixture.interaction, std::move(*session), fixture.folder(), {});
    dialog.show();
    QTest::mouseClick(dialog.map(), Qt::LeftButton, {}, QPoint(kirvo::kMapStandardMeridianX + 80, 150));
    QTest::qWait(100);
    return Save(dialog.grab().toImage(), argv[1]) ? 0 : 1;
  }
  if (argc == 3 && QString::fromLocal8Bit(argv[2]) == QLatin1String("persons")) {
    return Save(ShowPersonList(window, fixture.interaction)->grab().toImage(), argv[1]) ? 0 : 1;
  }
  // "printcombined", "printstrips", "printpersons", "printmemos" and "printsetulist": the first page,
  // in colour, of the print preview that the print command of the combined window (and its strips
  // alone), the person list, the memo list or the explanation list opens.
  if (argc == 3 && QString::fromLocal8Bit(argv[2]).startsWith(QLatin1String("print"))) {
    const QString kind = QString::fromLocal8Bit(argv[2]).mid(5);
    kirvo::MemoList memos = window.memos();
    const kirvo::MemoVocabulary vocabulary = kirvo::LoadMemoVocabulary(fixture.folder()).value();
    std::unique_ptr<QDialog> list;  // a list dialog lives while its preview renders
    if (kind == QLatin1String("combined") || kind == QLatin1String("strips")) {
      window.OpenChild(kirvo::ChartWindowKind::kCombined, {person, kirvo::Sex::kMale, "1984/02/10", "12:30"});
      auto* combined = dynamic_cast<kirvo::CombinedWindow*>(window.ActiveChartWindow());
      if (combined == nullptr) return 1;
      combined
          ->Command(kind == QLatin1String("combined") ? kirvo::CombinedCommand::kPrint
                                                      : kirvo::CombinedCommand::kPrintStrips)
          ->trigger();
    } else if (kind == QLatin1String("persons")) {
      ShowPersonList(window, fixture.interaction)->PrintPreview();
    } else if (kind == QLatin1String("memos")) {
      auto memo_list =
          std::make_unique<kirvo::MemoListDialog>(memos, vocabulary, fixture.folder(), fixture.interaction);
      memo_list->SetPrintPreview(window.PrintPreviewHook());
      memo_list->resize(640, 520);
      memo_list->show();
      memo_list->PrintPreview();
      list = std::move(memo_list);
    } else if (kind == QLatin1String("setulist")) {
      list = ToolWindow(kind, program->services(), fixture.interaction, window.PrintPreviewHook());
      list->show();
      static_cast<kirvo::ExplanationListDialog*>(list.get())->print_button()->click();
    }
    auto* preview = window.findChild<kirvo::PrintPreviewDialog*>();
    if (preview == nullptr) {
      std::fputs("the print preview did not open\n", stderr);
      return 1;
    }
    preview->findChild<QCheckBox*>(QStringLiteral("Color"))->setChecked(true);
    QTest::qWait(200);
    return Save(preview->PageImage(), argv[1]) ? 0 : 1;
  }
  // "combined": the combined window 命行 of the same person, alone, its strips at 年運 over 月運.
  if (argc == 3 && QString::fromLocal8Bit(argv[2]) == QLatin1String("combined")) {
    window.entry_bar()->SetFields({person, kirvo::Sex::kMale, "1984/02/10", "12:30"});
    window.OpenChild(kirvo::ChartWindowKind::kCombined, window.entry_bar()->Fields());
    auto* combined = dynamic_cast<kirvo::CombinedWindow*>(window.ActiveChartWindow());
    if (combined == nullptr) return 1;
    combined->LevelSelector()->setCurrentIndex(2);
    emit combined->LevelSelector()->activated(2);
    QTest::qWait(200);
    return Save(combined->grab().toImage(), argv[1]) ? 0 : 1;
  }
  // "luck": the luck window of the same person, at the level pair 年運＋大運.
  if (argc == 3 && QString::fromLocal8Bit(argv[2]) == QLatin1String("luck")) {
    window.OpenChild(kirvo::ChartWindowKind::kLuck, {person, kirvo::Sex::kMale, "1984/02/10", "12:30"});
    auto* luck = dynamic_cast<kirvo::LuckWindow*>(window.ActiveChartWindow());
    auto* level = luck ? luck->findChild<QComboBox*>(QStringLiteral("KCB")) : nullptr;
    if (level == nullptr) {
      std::fputs("the luck window did not open\n", stderr);
      return 1;
    }
    level->setCurrentIndex(1);
    emit level->activated(1);
    window.client_area()->activeSubWindow()->resize(780, 620);
    QTest::qWait(200);
    return Save(window.client_area()->activeSubWindow()->grab().toImage(), argv[1]) ? 0 : 1;
  }
  // "memo": the side panel with the memo of 比肩 in its メモ tab, as a click on the chart shows it.
  if (argc == 3 && QString::fromLocal8Bit(argv[2]) == QLatin1String("memo")) {
    auto* chart = dynamic_cast<kirvo::ChartWindow*>(window.ActiveChartWindow());
    if (chart == nullptr) return 1;
    emit chart->memoWordRequested(QStringLiteral("比肩"));
    QTest::qWait(200);
    return Save(window.side_panel()->grab().toImage(), argv[1]) ? 0 : 1;
  }
  // "memosettings": the memo settings editor over the shipped vocabulary.
  if (argc == 3 && QString::fromLocal8Bit(argv[2]) == QLatin1String("memosettings")) {
    kirvo::MemoList memos = window.memos();
    kirvo::MemoVocabulary vocabulary = kirvo::LoadMemoVocabulary(fixture.folder()).value();
    kirvo::MemoSettingsDialog dialog(memos, vocabulary, fixture.folder(), fixture.interaction);
    dialog.resize(dialog.width(), 620);
    dialog.show();
    QTest::qWait(100);
    return Save(dialog.grab().toImage(), argv[1]) ? 0 : 1;
  }
  // "memolist": the memo list editor over the shipped memos.
  if (argc == 3 && QString::fromLocal8Bit(argv[2]) == QLatin1String("memolist")) {
    kirvo::MemoList memos = window.memos();
    const kirvo::MemoVocabulary vocabulary = kirvo::LoadMemoVocabulary(fixture.folder()).value();
    kirvo::MemoListDialog dialog(memos, vocabulary, fixture.folder(), fixture.interaction);
    dialog.resize(640, 520);
    dialog.show();
    QTest::qWait(100);
    return Save(dialog.grab().toImage(), argv[1]) ? 0 : 1;
  }
  // "preview": the print preview of the chart window at 大運まで, in colour, as its print command
  // opens it.
  if (argc == 3 && QString::fromLocal8Bit(argv[2]) == QLatin1String("preview")) {
    auto* chart = dynamic_cast<kirvo::ChartWindow*>(window.ActiveChartWindow());
    auto* range = chart ? chart->findChild<QComboBox*>(QStringLiteral("CB1")) : nullptr;
    if (range == nullptr) return 1;
    range->setCurrentIndex(1);
    emit range->activated(1);
    chart->Command(kirvo::ChartCommand::kPrint)->trigger();
    auto* preview = window.findChild<kirvo::PrintPreviewDialog*>();
    if (preview == nullptr) {
      std::fputs("the print preview did not open\n", stderr);
      return 1;
    }
    preview->findChild<QCheckBox*>(QStringLiteral("Color"))->setChecked(true);
    preview->resize(980, 760);
    QTest::qWait(200);
    return Save(preview->grab().toImage(), argv[1]) ? 0 : 1;
  }
  // "child" and "child5": the chart window alone, at 命式のみ or the given range.
  if (argc == 3 && QString::fromLocal8Bit(argv[2]).startsWith(QLatin1String("child"))) {
    auto* chart = dynamic_cast<kirvo::ChartWindow*>(window.ActiveChartWindow());
    auto* range = chart ? chart->findChild<QComboBox*>(QStringLiteral("CB1")) : nullptr;
    const int index = QString::fromLocal8Bit(argv[2]).mid(5).toInt();
    if (range == nullptr || index < 0 || index >= range->count()) return 1;
    range->setCurrentIndex(index);
    emit range->activated(index);
    QTest::qWait(200);
    return Save(window.client_area()->activeSubWindow()->grab().toImage(), argv[1]) ? 0 : 1;
  }
  if (argc == 3 && !near_term) {
    auto* chart = dynamic_cast<kirvo::ChartWindow*>(window.ActiveChartWindow());
    auto* range = chart ? chart->findChild<QComboBox*>(QStringLiteral("CB1")) : nullptr;
    const int index = QString::fromLocal8Bit(argv[2]).toInt();
    if (range == nullptr || index < 0 || index >= range->count()) {
      std::fputs("no chart window, or no such range\n", stderr);
      return 1;
    }
    range->setCurrentIndex(index);
    emit range->activated(index);
  }
  // The entry bar as a user leaves it while typing the next person.
  window.entry_bar()->SetFields({"佐藤花子", kirvo::Sex::kFemale, "1990/07/23", "99:99"});
  QTest::qWait(200);
  return Save(window.grab().toImage(), argv[1]) ? 0 : 1;
}
