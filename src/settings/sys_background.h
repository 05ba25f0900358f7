#pragma once

#include <filesystem>
#include <string_view>

namespace kirvo {

// A background picture setting (`BEd0` "背景１", `BEd1` "背景２") holds a file name, or the key's
// own name for the program's built-in picture.
struct BackgroundPicture {
  enum class Kind { kNone, kBuiltIn, kFile };
  Kind kind = Kind::kBuiltIn;
  std::filesystem::path file;  // for kFile: the picture file that exists
  bool operator==(const BackgroundPicture&) const = default;
};

// What a stored value stands for: its own key name (compared without regard to ASCII case) is
// the built-in picture; a name of an existing file (relative names lie in the program folder) is
// that file; anything else, the empty text included, is no picture.
BackgroundPicture ResolveBackground(std::string_view key, std::string_view value,
                                    const std::filesystem::path& program_folder);

}  // namespace kirvo
