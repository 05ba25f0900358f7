#include "app/memos/memo_menu_builder.h"

namespace kirvo {

void FillMemoMenu(QMenu& menu, const MemoVocabulary& vocabulary, const MemoTopicHandler& chosen) {
  menu.clear();
  for (const MemoMenuClassification& classification : BuildMemoMenu(vocabulary)) {
    const QString caption = QString::fromStdString(classification.caption);
    if (classification.words.empty()) {
      menu.addAction(caption);
      continue;
    }
    QMenu* words = menu.addMenu(caption);
    for (const MemoMenuWord& word : classification.words) {
      QMenu* topics = words->addMenu(QString::fromStdString(word.caption));
      for (const MemoMenuTopic& topic : word.topics) {
        QAction* item = topics->addAction(QString::fromStdString(topic.caption));
        QObject::connect(item, &QAction::triggered, &menu,
                         [chosen, key = topic.key, w = word.caption, t = topic.caption] { chosen(key, w, t); });
      }
    }
  }
}

}  // namespace kirvo
