#pragma once

#include <QString>
#include <filesystem>

namespace kirvo {

// File names: the core's paths hold UTF-8 bytes (the program runs in a UTF-8 locale); Qt's are
// UTF-16 texts.
inline QString PathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }
inline std::filesystem::path PathOf(const QString& text) { return std::filesystem::path(text.toStdString()); }

}  // namespace kirvo
