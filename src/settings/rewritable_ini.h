#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ini_file.h"
#include "platform/outcome.h"

namespace kirvo {

// A settings file read in order to write it again. A line that is not Shift-JIS can't be read, but
// it is still the user's: it is held back as it stands and written again in its place, so a save
// never loses what the program could not read.
class RewritableIni {
 public:
  // A missing file gives an empty one; an unreadable file is an error.
  static Outcome<RewritableIni> Load(const std::filesystem::path& path);

  // The readable part. The held-back lines sit in it as comment lines no key reads.
  IniFile& ini() { return ini_; }
  const IniFile& ini() const { return ini_; }
  // Empty after a clean load; otherwise the message naming the first unreadable line.
  const std::string& LoadProblem() const { return load_problem_; }

  // Writes the file whole and atomically, with the held-back lines as they were read.
  Status Save(const std::filesystem::path& path) const;

 private:
  IniFile ini_;
  std::vector<std::string> held_back_;  // raw bytes of each unreadable line, in file order
  std::string load_problem_;
};

}  // namespace kirvo
