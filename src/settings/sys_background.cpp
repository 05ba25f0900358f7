#include "settings/sys_background.h"

#include <system_error>

#include "platform/ascii.h"

namespace kirvo {

BackgroundPicture ResolveBackground(std::string_view key, std::string_view value,
                                    const std::filesystem::path& program_folder) {
  if (EqualsIgnoringAsciiCase(value, key)) return {BackgroundPicture::Kind::kBuiltIn, {}};
  if (value.empty()) return {BackgroundPicture::Kind::kNone, {}};
  std::filesystem::path file(std::u8string(value.begin(), value.end()));
  if (file.is_relative()) file = program_folder / file;
  std::error_code error;
  if (std::filesystem::is_regular_file(file, error)) return {BackgroundPicture::Kind::kFile, file};
  return {BackgroundPicture::Kind::kNone, {}};
}

}  // namespace kirvo
