#include "app/settings_dialogs/sys_settings_dialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableView>

#include "app/bridge/colour.h"
#include "app/bridge/dpi.h"
#include "app/bridge/editable_table_model.h"
#include "app/bridge/fonts.h"
#include "app/bridge/text.h"
#include "app/settings_dialogs/settings_controls.h"
#include "app/settings_dialogs/sys_settings_pages.h"
#include "presentation/settings/sys_naming_table.h"
#include "presentation/settings/sys_settings_texts.h"
#include "settings/sys_settings_keys.h"

namespace kirvo {
namespace {

constexpr int kDesignWidth = 640, kDesignHeight = 560;

QString Name(std::string_view key) { return ToQString(key); }

}  // namespace

std::optional<Rgb> ChooseColourWithDialog(QWidget* parent, Rgb current) {
  const QColor chosen = QColorDialog::getColor(ToQColor(current), parent);
  if (!chosen.isValid()) return std::nullopt;
  return ToRgb(chosen);
}

std::optional<FontSpec> ChooseFontWithDialog(QWidget* parent, const FontSpec& current) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, QFontOf(current), parent);
  if (!ok) return std::nullopt;
  FontSpec font = current;
  font.name = ToUtf8(chosen.family());
  font.size_points = std::clamp(chosen.pointSize() > 0 ? chosen.pointSize() : current.size_points, kMinFontPoints,
                                kMaxFontPoints);
  font.style = (chosen.bold() ? kFontBold : 0) | (chosen.italic() ? kFontItalic : 0) |
               (chosen.underline() ? kFontUnderline : 0) | (chosen.strikeOut() ? kFontStrikeOut : 0);
  return font;
}

SysSettingsDialog::SysSettingsDialog(SysSettingsNeeds needs, QWidget* parent)
    : QDialog(parent),
      needs_(std::move(needs)),
      model_(needs_.settings, needs_.program_folder, needs_.store, needs_.branding, needs_.interaction) {
  setObjectName(ToQString(kSysSettingsFormName));
  setWindowTitle(ToQString(kSysSettingsCaption));
  setModal(true);
  resize(ScaledPx(*this, kDesignWidth), ScaledPx(*this, kDesignHeight));

  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  BuildSysSettingsPages(*tabs_);
  layout->addWidget(tabs_, 1);
  AddDialogButtons(*this, *layout, [this] {
    if (needs_.show_help) needs_.show_help(HelpTopic::kSystemSettings);
  });

  BindControls();
  BindButtons();
  ShowSettings();
  if (needs_.branding) HideBrandedControls(*this, *tabs_, *needs_.branding);
}

SysSettingsDialog::~SysSettingsDialog() = default;

void SysSettingsDialog::BindControls() {
  SysSettings& edited = model_.edited();
  for (const SysFlagKey& flag : kSysFlagKeys) {
    connect(findChild<QCheckBox*>(Name(flag.key)), &QCheckBox::clicked, this,
            [&edited, member = flag.member](bool on) { edited.*member = on; });
  }
  for (const SysChoiceKey& choice : kSysChoiceKeys) {
    const auto member = choice.member;
    if (auto* group = findChild<ChoiceGroup*>(Name(choice.key))) {
      connect(group, &ChoiceGroup::chosen, this, [this, &edited, member](int index) {
        edited.*member = index;
        ShowSettings();  // the fixed moment is offered only for 指定日時
      });
    } else {
      connect(findChild<QComboBox*>(Name(choice.key)), &QComboBox::activated, this,
              [&edited, member](int index) { edited.*member = index; });
    }
  }
  for (const SysBitSetKey& bits : kSysBitSetKeys) {
    connect(findChild<CheckGroup*>(Name(bits.key)), &CheckGroup::changed, this,
            [&edited, member = bits.member](std::uint32_t value) { edited.*member = value; });
  }
  for (const SysNumberKey& number : kSysNumberKeys) {
    connect(findChild<QSlider*>(Name(number.key)), &QSlider::valueChanged, this,
            [this, &edited, member = number.member](int value) {
              edited.*member = value;
              ShowSettings();  // the shares beside the slider
            });
  }
  for (const SysTextKey& text : kSysTextKeys) {
    connect(findChild<QLineEdit*>(Name(text.key)), &QLineEdit::textEdited, this,
            [&edited, member = text.member](const QString& value) { edited.*member = ToUtf8(value); });
  }
  for (const SysNamingTableKey& key : kSysNamingTableKeys) {
    tables_.push_back(std::make_unique<SysNamingTable>(edited.*(key.member)));
    auto* model = new EditableTableModel(*tables_.back(), needs_.interaction, this);
    table_models_.push_back(model);
    findChild<QTableView*>(Name(key.key))->setModel(model);
  }
  for (std::size_t i = 0; i < kPanelColourCount; ++i) {
    connect(findChild<ColourButton*>(Name(kPanelColourRows[i].key)), &QPushButton::clicked, this, [this, &edited, i] {
      if (!needs_.choose_colour) return;
      if (const std::optional<Rgb> chosen = needs_.choose_colour(this, edited.CP[i])) {
        edited.CP[i] = *chosen;
        ShowSettings();
      }
    });
  }
}

void SysSettingsDialog::BindButtons() {
  const auto on = [this](const char* button, auto action) {
    connect(findChild<QPushButton*>(QString::fromUtf8(button)), &QPushButton::clicked, this, action);
  };
  on(kLightColoursButton, [this] {
    model_.UseLightDefaultColours();
    ShowSettings();
  });
  on(kDarkColoursButton, [this] {
    model_.UseDarkDefaultColours();
    ShowSettings();
  });
  on(kDefaultNamesButton, [this] {
    model_.ResetNames();
    ShowSettings();
  });
  on(kTodayButton, [this] {
    if (!needs_.clock || model_.edited().NRG != 1) return;
    model_.edited().NDate = needs_.clock().DateText();
    ShowSettings();
  });
  on(kNowButton, [this] {
    if (!needs_.clock || model_.edited().NRG != 1) return;
    model_.edited().NTime = needs_.clock().TimeText();
    ShowSettings();
  });
  on("SetuFont", [this] { ChooseFont("SetuFont", &SysSettings::SetuFont); });
  on("SysFont", [this] { ChooseFont("SysFont", &SysSettings::SysFont); });
  on("MeiFont", [this] { ChooseFont("MeiFont", &SysSettings::MeiFont); });
}

void SysSettingsDialog::ChooseFont(std::string_view, FontSpec SysSettings::*member) {
  if (!needs_.choose_font) return;
  if (std::optional<FontSpec> chosen = needs_.choose_font(this, model_.edited().*member)) {
    model_.edited().*member = std::move(*chosen);
    ShowSettings();
  }
}

void SysSettingsDialog::ShowSettings() {
  const SysSettings& edited = model_.edited();
  for (const SysFlagKey& flag : kSysFlagKeys) findChild<QCheckBox*>(Name(flag.key))->setChecked(edited.*(flag.member));
  for (const SysChoiceKey& choice : kSysChoiceKeys) {
    if (auto* group = findChild<ChoiceGroup*>(Name(choice.key))) {
      group->SetIndex(edited.*(choice.member));
    } else {
      findChild<QComboBox*>(Name(choice.key))->setCurrentIndex(edited.*(choice.member));
    }
  }
  for (const SysBitSetKey& bits : kSysBitSetKeys) findChild<CheckGroup*>(Name(bits.key))->SetBits(edited.*(bits.member));
  for (const SysNumberKey& number : kSysNumberKeys) {
    QSignalBlocker quiet(findChild<QSlider*>(Name(number.key)));
    findChild<QSlider*>(Name(number.key))->setValue(edited.*(number.member));
  }
  findChild<QLabel*>(QString::fromUtf8(kUpperShareLabel))->setText(QStringLiteral("上項目：%1%").arg(edited.TBar1));
  findChild<QLabel*>(QString::fromUtf8(kLowerShareLabel))
      ->setText(QStringLiteral("下項目：%1%").arg(100 - edited.TBar1));
  for (const SysTextKey& text : kSysTextKeys) {
    auto* field = findChild<QLineEdit*>(Name(text.key));
    // Rewriting a field under the cursor would move the cursor; only a changed value is shown.
    if (field->text() != ToQString(edited.*(text.member))) field->setText(ToQString(edited.*(text.member)));
  }
  // The fixed chart moment is used only for 指定日時.
  for (const char* key : {"NDate", "NTime", kTodayButton, kNowButton}) {
    findChild<QWidget*>(QString::fromUtf8(key))->setEnabled(edited.NRG == 1);
  }
  for (EditableTableModel* model : table_models_) model->Reload();
  for (const SysNamingTableKey& key : kSysNamingTableKeys) findChild<QTableView*>(Name(key.key))->resizeColumnsToContents();
  for (std::size_t i = 0; i < kPanelColourCount; ++i) {
    findChild<ColourButton*>(Name(kPanelColourRows[i].key))->SetColour(edited.CP[i]);
  }
  for (const auto& [key, font] : {std::pair{"SetuFont", &edited.SetuFont}, {"SysFont", &edited.SysFont},
                                  {"MeiFont", &edited.MeiFont}}) {
    findChild<QLabel*>(QString::fromUtf8(key) + QString::fromUtf8(kFontLabelSuffix))->setText(ToQString(FontLabel(*font)));
  }
}

void SysSettingsDialog::accept() {
  if (model_.Ok()) {
    QDialog::accept();
    return;
  }
  ShowRefusal();
}

void SysSettingsDialog::reject() {
  if (model_.Cancel()) {
    QDialog::reject();
    return;
  }
  ShowSettings();
  ShowRefusal();
}

void SysSettingsDialog::ShowRefusal() {
  if (model_.refusal()) ShowRefusedControl(*this, *tabs_, *model_.refusal());
}

}  // namespace kirvo
