#pragma once

#include <QWidget>
#include <filesystem>
#include <optional>

#include "data/memo_list.h"
#include "data/memo_vocabulary.h"
#include "platform/interaction.h"
#include "settings/sys_fonts.h"

class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace kirvo {

// The memo panel of the side panel's "メモ" tab: the memo menu `MBtn`, the address `DL`, browsing
// `PreBtn` "<" and `NxtBtn` ">", writing to memory `MWBtn`, saving to disk `MeSavBtn` and the text
// `MeMemo`. It works on the memo list and vocabulary the main window owns; the file work is the
// core's.
class MemoPanel final : public QWidget {
  Q_OBJECT

 public:
  MemoPanel(MemoList& memos, const MemoVocabulary& vocabulary, std::filesystem::path program_folder,
            Interaction& interaction, QWidget* parent = nullptr);

  // After the vocabulary changed: the memo menu again.
  void RebuildMenu();
  // `MeCB`: the text read-only, the write and save buttons hidden. The text in `SetuFont`.
  void ApplySettings(bool read_only, const FontSpec& font);

  // A topic item of the memo menu: the memo of `key` (or an empty text to type a new one).
  void ChooseTopic(const MemoKey& key, const std::string& word_caption, const std::string& topic_caption);
  // ">" and "<".
  void ShowNext();
  void ShowPrevious();
  // A chart cell's text: the first memo of its word, when the vocabulary has that word.
  void LookUp(const QString& clicked);
  // `MWBtn`: the shown memo into the memo list. False when it could not be written.
  bool WriteShown();
  // `MeSavBtn`, and at exit: the shown memo into the list, the list to disk.
  bool SaveToDisk();

  bool edited() const { return edited_; }
  QString Address() const;
  QString Text() const;
  QMenu* Menu() const { return menu_; }
  QPlainTextEdit* Editor() const { return text_; }

 private:
  // The pending-edit question. True when the command goes on: after Yes (written), or after No when
  // `no_abandons` is false (the edit dropped).
  bool SettlePendingEdit(bool no_abandons);
  void ShowIndex(std::size_t index);
  void ShowText(const QString& address, const QString& text);
  void UpdateButtons();

  MemoList& memos_;
  const MemoVocabulary& vocabulary_;
  std::filesystem::path program_folder_;
  Interaction& interaction_;
  bool read_only_ = false;
  bool edited_ = false;
  bool showing_ = false;  // the text is being set by the panel, not typed

  QToolButton* select_ = nullptr;
  QMenu* menu_ = nullptr;
  QLabel* address_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* write_ = nullptr;
  QPushButton* save_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
};

}  // namespace kirvo
