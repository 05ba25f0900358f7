#pragma once

#include <QCoreApplication>

namespace kirvo {

// Loads the toolkit's own Japanese texts (the Qt translations installed with the system), so that
// message boxes answer "はい"/"いいえ" and the file dialogs speak Japanese. Without them installed
// the standard dialogs stay in English; nothing else changes. Call once the application object
// exists; the translators live as long as `application`.
void UseJapaneseStandardDialogs(QCoreApplication& application);

}  // namespace kirvo
