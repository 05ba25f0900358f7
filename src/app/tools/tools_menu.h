#pragma once

#include <QObject>
#include <filesystem>

#include "presentation/tools/tool_list.h"

class QMenu;

namespace kirvo {

class Interaction;

// The entries of the tools list at the end of the tools menu, after its first two items (ﾂｰﾙの設定
// and a separator). Choosing one starts its program, or opens its file with the desktop's handler;
// a program or file that is not there is named in a message.
class ToolsMenu : public QObject {
  Q_OBJECT

 public:
  ToolsMenu(QMenu* menu, Interaction& interaction, std::filesystem::path program_folder, QObject* parent = nullptr);

  void Rebuild(const ToolList& list);
  // Starts `entry`; false (after the message) when it cannot.
  bool Launch(const ToolEntry& entry);

 private:
  QMenu* menu_;
  Interaction& interaction_;
  std::filesystem::path program_folder_;
};

}  // namespace kirvo
