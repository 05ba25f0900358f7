#include "app/settings_dialogs/rule_settings_dialog.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QFileDialog>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include "app/bridge/colour.h"
#include "app/bridge/dpi.h"
#include "app/bridge/editable_table_model.h"
#include "app/bridge/path.h"
#include "app/bridge/text.h"
#include "app/settings_dialogs/rule_settings_pages.h"
#include "app/settings_dialogs/settings_controls.h"
#include "presentation/settings/rule_depth_report.h"
#include "presentation/settings/rule_settings_table.h"
#include "presentation/settings/rule_settings_texts.h"

namespace kirvo {
namespace {

constexpr int kMinimumWidth = 510, kMinimumHeight = 396;
constexpr int kDesignWidth = 640, kDesignHeight = 600;
// The number tab's colour when the branding marks it ("Suu_Type" 1).
constexpr Rgb kMarkedNumberPageColour = 0xE9F3F3;

}  // namespace

std::function<std::optional<std::filesystem::path>(QWidget* parent)> DistributionFileChooser(
    std::filesystem::path program_folder) {
  return [folder = std::move(program_folder)](QWidget* parent) -> std::optional<std::filesystem::path> {
    QFileDialog dialog(parent, QString(), PathText(folder),
                       QStringLiteral("蔵干設定ファイル(*.zou) (*.zou);;すべて (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("zou"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return PathOf(dialog.selectedFiles().front());
  };
}

RuleSettingsDialog::RuleSettingsDialog(RuleSettingsNeeds needs, QWidget* parent)
    : QDialog(parent), needs_(std::move(needs)), model_(needs_.settings, needs_.program_folder, needs_.interaction) {
  setObjectName(ToQString(kRuleSettingsFormName));
  setWindowTitle(ToQString(kRuleSettingsCaption));
  setModal(true);
  setMinimumSize(ScaledPx(*this, kMinimumWidth), ScaledPx(*this, kMinimumHeight));
  resize(ScaledPx(*this, kDesignWidth), ScaledPx(*this, kDesignHeight));

  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  BuildRuleSettingsPages(*tabs_);
  layout->addWidget(tabs_, 1);
  AddDialogButtons(*this, *layout, [this] {
    if (needs_.show_help) needs_.show_help(HelpTopic::kRuleSettings);
  });

  BindControls();
  ShowSettings();
  ApplyBranding();
}

RuleSettingsDialog::~RuleSettingsDialog() = default;

QTableView* RuleSettingsDialog::table(std::string_view key) const {
  return findChild<QTableView*>(ToQString(key));
}

void RuleSettingsDialog::BindControls() {
  USysSettings& edited = model_.edited();
  for (const FlagKey& flag : kUSysFlags) {
    auto* box = findChild<QCheckBox*>(ToQString(flag.key));
    connect(box, &QCheckBox::clicked, this, [&edited, key = flag.key](bool on) { edited.SetFlag(key, on); });
  }
  for (const ChoiceKey& choice : kUSysChoices) {
    auto* group = findChild<ChoiceGroup*>(ToQString(choice.key));
    connect(group, &ChoiceGroup::chosen, this, [&edited, key = choice.key](int index) { edited.SetChoice(key, index); });
  }
  for (const NumberKey& number : kUSysNumbers) {
    auto* field = findChild<QLineEdit*>(ToQString(number.key));
    connect(field, &QLineEdit::textEdited, this,
            [&edited, key = number.key](const QString& text) { edited.SetNumber(key, ToUtf8(text)); });
  }
  for (const TableKey& key : kUSysTables) {
    tables_.push_back(std::make_unique<RuleSettingsTable>(edited, key.key));
    auto* model = new EditableTableModel(*tables_.back(), needs_.interaction, this);
    table_models_.push_back(model);
    table(key.key)->setModel(model);
  }

  const auto on = [this](const char* button, auto action) {
    connect(findChild<QPushButton*>(QString::fromUtf8(button)), &QPushButton::clicked, this, action);
  };
  on("Button1", [this] {
    model_.DoubleNumbers();
    ShowSettings();
  });
  on("Button2", [this] {
    model_.HalveNumbers();
    ShowSettings();
  });
  on("DefBtn", [this] {
    if (model_.RestoreDefaultSpiritStars()) ShowSettings();
  });
  on("ClrBtn", [this] {
    if (model_.HideAllSpiritStars()) ShowSettings();
  });
  on("OpenBtn", [this] { OpenDistributionFile(); });
  on("RChk0", [this] { CopyDepthReport(); });
}

void RuleSettingsDialog::ShowSettings() {
  const USysSettings& edited = model_.edited();
  for (const FlagKey& flag : kUSysFlags) findChild<QCheckBox*>(ToQString(flag.key))->setChecked(edited.Flag(flag.key));
  for (const ChoiceKey& choice : kUSysChoices) {
    findChild<ChoiceGroup*>(ToQString(choice.key))->SetIndex(edited.Choice(choice.key));
  }
  for (const NumberKey& number : kUSysNumbers) {
    findChild<QLineEdit*>(ToQString(number.key))->setText(ToQString(edited.Number(number.key)));
  }
  for (std::size_t i = 0; i < kUSysTables.size(); ++i) {
    table_models_[i]->Reload();
    table(kUSysTables[i].key)->resizeColumnsToContents();
  }
}

void RuleSettingsDialog::accept() {
  if (model_.Ok()) {
    QDialog::accept();
    return;
  }
  ShowRefusal();
}

void RuleSettingsDialog::reject() {
  if (model_.Cancel()) {
    QDialog::reject();
    return;
  }
  // The stored values themselves fail the check: they stay on show for the user to correct.
  ShowSettings();
  ShowRefusal();
}

void RuleSettingsDialog::ShowRefusal() {
  if (model_.refusal()) ShowRefusedControl(*this, *tabs_, *model_.refusal());
}

void RuleSettingsDialog::OpenDistributionFile() {
  if (!needs_.choose_distribution_file) return;
  const std::optional<std::filesystem::path> file = needs_.choose_distribution_file(this);
  if (file && model_.OpenDistributionFile(*file)) ShowSettings();
}

void RuleSettingsDialog::CopyDepthReport() {
  const std::optional<std::string> report =
      RuleSettingsDepthReport(model_.edited(), needs_.sys, needs_.clock ? needs_.clock() : DateTime());
  if (!report) {
    needs_.interaction.Beep();
    return;
  }
  QApplication::clipboard()->setText(ToQString(*report));
  needs_.interaction.Beep();
}

void RuleSettingsDialog::ApplyBranding() {
  if (!needs_.branding) return;
  const Branding& branding = *needs_.branding;
  HideBrandedControls(*this, *tabs_, branding);
  if (branding.suu_type == 1) {
    QWidget* page = tabs_->findChild<QWidget*>(QString::fromUtf8(kNumberPageName));
    page->setAutoFillBackground(true);
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, ToQColor(kMarkedNumberPageColour));
    page->setPalette(palette);
    findChild<QLabel*>(QString::fromUtf8(kNumberSpecLabelName))->show();
  }
}

}  // namespace kirvo
