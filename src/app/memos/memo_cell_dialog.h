#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "data/memo_vocabulary.h"
#include "platform/interaction.h"

class QCheckBox;
class QLineEdit;

namespace kirvo {

// The cell dialog `TMeEF` ("編集") of the memo settings editor. In text mode it renames a cell: an
// empty new text is refused, since a word is removed with the editor's 削除 (which also removes its
// memos). In topic mode it chooses the topics a classification uses, as ascending digits.
class MemoCellDialog final : public QDialog {
  Q_OBJECT

 public:
  // Text mode over `old_text`.
  MemoCellDialog(const QString& title, const std::string& old_text, Interaction& interaction, QWidget* parent = nullptr);
  // Topic mode over the digits `old_topics`, listing the topics of `vocabulary`.
  MemoCellDialog(const QString& title, const MemoVocabulary& vocabulary, const std::string& old_topics,
                 Interaction& interaction, QWidget* parent = nullptr);

  // The new text or the checked topics' digits, once accepted.
  const std::string& Result() const { return result_; }
  QLineEdit* Field() const { return field_; }
  QCheckBox* Topic(int t) const { return topics_[static_cast<std::size_t>(t)]; }

  void accept() override;

 private:
  Interaction& interaction_;
  std::string old_text_;
  std::string result_;
  QLineEdit* field_ = nullptr;
  std::array<QCheckBox*, kMemoTopicCount> topics_{};
};

}  // namespace kirvo
