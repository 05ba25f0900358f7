#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <system_error>

namespace kirvo {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kirvo-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot create a temporary folder from " << pattern;
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace kirvo
