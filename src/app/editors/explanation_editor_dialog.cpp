#include "app/editors/explanation_editor_dialog.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/bridge/text.h"
#include "app/editors/explanation_list_dialog.h"
#include "platform/interaction.h"

namespace kirvo {
namespace {

QPushButton* Button(std::string_view caption, const char* object_name, QWidget* parent) {
  auto* button = new QPushButton(ToQString(caption), parent);
  button->setObjectName(QString::fromLatin1(object_name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

ExplanationEditorDialog::ExplanationEditorDialog(Interaction& interaction, ExplanationEditor editor,
                                                 const QFont& text_font, std::function<void(HelpTopic topic)> show_help,
                                                 QWidget* parent)
    : QDialog(parent), interaction_(interaction), editor_(std::move(editor)), show_help_(std::move(show_help)) {
  const ExplanationEditorForm& form = editor_.form();
  setObjectName(ToQString(form.form_name));
  setWindowTitle(ToQString(form.caption));

  selector_ = new QComboBox(this);
  selector_->setObjectName(QStringLiteral("Box1"));
  for (const std::string& name : editor_.entry_names()) selector_->addItem(ToQString(name));
  selector_->setMaxVisibleItems(20);
  auto* label = new QLabel(ToQString(form.selector_label), this);
  label->setBuddy(selector_);

  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("Memo1"));
  text_->setFont(text_font);
  text_->setMinimumSize(420, 220);

  previous_ = Button(form.previous_caption, "PrevBtn", this);
  next_ = Button(form.next_caption, "NextBtn", this);
  list_ = Button(kExplanationListButton, "ListBtn", this);
  list_->setToolTip(ToQString(kExplanationListButton));
  ok_ = Button("OK", "OKBtn", this);
  ok_->setDefault(false);
  QPushButton* help = Button("ヘルプ", "HelpBtn", this);

  auto* top = new QHBoxLayout;
  top->addWidget(label);
  top->addWidget(selector_, 1);
  top->addWidget(previous_);
  top->addWidget(next_);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(list_);
  bottom->addStretch();
  bottom->addWidget(ok_);
  bottom->addWidget(help);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(top);
  outer->addWidget(text_, 1);
  outer->addLayout(bottom);

  // The selector stores the entry being edited when it takes the focus, so choosing another entry
  // with the mouse or the keyboard keeps what was typed.
  selector_->installEventFilter(this);
  connect(selector_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (showing_ || index == editor_.selected()) return;
    editor_.Show(index);
    ShowEntry();
  });
  connect(text_, &QPlainTextEdit::textChanged, this, [this] {
    if (!showing_) editor_.SetText(ToUtf8(text_->toPlainText()));
  });
  connect(previous_, &QPushButton::clicked, this, [this] {
    editor_.Previous();
    ShowEntry();
  });
  connect(next_, &QPushButton::clicked, this, [this] {
    editor_.Next();
    ShowEntry();
  });
  connect(list_, &QPushButton::clicked, this, &ExplanationEditorDialog::OpenList);
  connect(ok_, &QPushButton::clicked, this, &ExplanationEditorDialog::accept);
  const auto open_help = [this] {
    if (show_help_) show_help_(HelpTopic::kExplanationEditor);
  };
  connect(help, &QPushButton::clicked, this, open_help);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, open_help);

  ShowEntry();
  text_->setFocus();
}

void ExplanationEditorDialog::ShowEntry() {
  showing_ = true;
  selector_->setCurrentIndex(editor_.selected());
  text_->setPlainText(ToQString(editor_.text()));
  showing_ = false;
  previous_->setEnabled(editor_.previous_enabled());
  next_->setEnabled(editor_.next_enabled());
}

void ExplanationEditorDialog::OpenList() {
  ExplanationListDialog list(ListTable(), show_help_, print_preview_, this);
  list.exec();
}

void ExplanationEditorDialog::accept() {
  if (!editor_.Ok(interaction_)) return;
  QDialog::accept();
}

void ExplanationEditorDialog::reject() {
  if (!editor_.Close(interaction_)) return;
  QDialog::reject();
}

bool ExplanationEditorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == selector_ && event->type() == QEvent::FocusIn) editor_.Store();
  return QDialog::eventFilter(watched, event);
}

}  // namespace kirvo
