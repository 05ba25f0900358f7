#include "app/tools/special_characters_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/bridge/text.h"

namespace kirvo {

SpecialCharactersDialog::SpecialCharactersDialog(SettingsStore& store, Interaction& interaction, std::string title,
                                                 std::function<void(HelpTopic topic)> show_help, QWidget* parent)
    : QDialog(parent), store_(store), interaction_(interaction), title_(std::move(title)), session_(store) {
  setObjectName(QStringLiteral("TGaijiF"));
  setWindowTitle(ToQString(kSpecialCharactersCaption));

  code_ = new QLineEdit(ToQString(session_.code()), this);
  code_->setObjectName(QStringLiteral("Edit1"));
  code_->setMaxLength(8);
  code_->setMaximumWidth(90);
  character_ = new QLabel(this);
  character_->setObjectName(QStringLiteral("Image1"));
  character_->setAlignment(Qt::AlignCenter);
  character_->setFixedSize(64, 64);
  character_->setFrameShape(QFrame::Box);
  QFont big = character_->font();
  big.setPixelSize(40);
  character_->setFont(big);
  name_ = new QLabel(this);
  name_->setObjectName(QStringLiteral("NameLabel"));
  unicode_ = new QCheckBox(ToQString(kUnicodeGaijiChoice), this);
  unicode_->setObjectName(QStringLiteral("UnicodeCB"));
  unicode_->setChecked(session_.edited().unicode_on_screen);
  auto* check = new QPushButton(ToQString(kSpecialCharactersCheckButton), this);
  check->setObjectName(QStringLiteral("CheckBtn"));
  auto* defaults = new QPushButton(ToQString(kSpecialCharactersDefaultsButton), this);
  defaults->setObjectName(QStringLiteral("DefBtn"));
  for (QPushButton* button : {check, defaults}) button->setAutoDefault(false);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
  buttons->button(QDialogButtonBox::Help)->setText(QStringLiteral("ヘルプ"));

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("文字ｺｰﾄﾞ(S-JIS)："), code_);
  form->addRow(QString(), check);
  form->addRow(QString(), unicode_);
  form->addRow(QStringLiteral("表示される名称："), name_);
  auto* body = new QHBoxLayout;
  body->addWidget(character_, 0, Qt::AlignTop);
  body->addLayout(form, 1);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(body);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(defaults);
  bottom->addStretch();
  bottom->addWidget(buttons);
  outer->addLayout(bottom);

  connect(code_, &QLineEdit::textEdited, this, [this](const QString& text) { session_.SetCode(ToUtf8(text)); });
  connect(unicode_, &QCheckBox::toggled, this, [this](bool on) {
    session_.SetUnicodeOnScreen(on);
    ShowCharacter();
  });
  connect(check, &QPushButton::clicked, this, &SpecialCharactersDialog::CheckCode);
  connect(defaults, &QPushButton::clicked, this, [this] {
    session_.Defaults(interaction_);
    code_->setText(ToQString(session_.code()));
    unicode_->setChecked(session_.edited().unicode_on_screen);
    ShowCharacter();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &SpecialCharactersDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &SpecialCharactersDialog::reject);
  const auto open_help = [show_help = std::move(show_help)] {
    if (show_help) show_help(HelpTopic::kSpecialCharacters);
  };
  connect(buttons, &QDialogButtonBox::helpRequested, this, open_help);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, open_help);

  CheckCode();
}

void SpecialCharactersDialog::CheckCode() {
  session_.Check(interaction_);
  ShowCharacter();
}

void SpecialCharactersDialog::ShowCharacter() {
  character_->setText(ToQString(session_.shown()));
  name_->setText(ToQString(session_.ScreenName()));
}

void SpecialCharactersDialog::accept() {
  if (!session_.Ok(interaction_)) {
    ShowCharacter();
    code_->setFocus();
    code_->selectAll();
    return;
  }
  ShowCharacter();
  if (!session_.Close(store_, interaction_, title_)) return;
  QDialog::accept();
}

void SpecialCharactersDialog::reject() {
  session_.Revert(interaction_);
  code_->setText(ToQString(session_.code()));
  ShowCharacter();
  if (!session_.Close(store_, interaction_, title_)) return;
  QDialog::reject();
}

}  // namespace kirvo
