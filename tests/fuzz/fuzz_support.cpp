#include "fuzz/fuzz_support.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace kirvo::fuzz {

void Fail(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: property failed: %s\n", file, line, condition);
  std::abort();
}

std::uint8_t Input::Byte() {
  if (rest_.empty()) return 0;
  const auto byte = static_cast<std::uint8_t>(rest_.front());
  rest_.remove_prefix(1);
  return byte;
}

int Input::IntIn(int low, int high) {
  const unsigned span = static_cast<unsigned>(high - low) + 1;
  unsigned value = 0;
  for (unsigned covered = 1; covered < span && covered != 0; covered <<= 8) value = (value << 8) | Byte();
  return low + static_cast<int>(value % span);
}

std::string Input::Text(std::size_t max_size) {
  const std::size_t size = std::min<std::size_t>({std::size_t{Byte()}, max_size, rest_.size()});
  std::string text(rest_.substr(0, size));
  rest_.remove_prefix(size);
  return text;
}

std::string_view Input::Rest() {
  const std::string_view rest = rest_;
  rest_ = {};
  return rest;
}

namespace {

std::filesystem::path MakeScratchFolder() {
  std::error_code error;
  std::filesystem::path base = "/dev/shm";
  if (access(base.c_str(), W_OK) != 0) base = std::filesystem::temp_directory_path(error);
  std::string pattern = (base / "kirvo-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    std::abort();
  }
  return pattern;
}

struct Scratch {
  std::filesystem::path folder = MakeScratchFolder();
  ~Scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
};

}  // namespace

const std::filesystem::path& ScratchFolder() {
  static const Scratch scratch;
  return scratch.folder;
}

void WritePlainFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) Fail("the input file could be written", __FILE__, __LINE__);
}

}  // namespace kirvo::fuzz
