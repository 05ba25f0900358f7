#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// Shared pieces of the fuzz harnesses. A harness is a libFuzzer entry point
// (LLVMFuzzerTestOneInput); the properties it checks fail through FUZZ_CHECK, which aborts so that
// libFuzzer keeps the input and a corpus replay fails.

#define FUZZ_CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ::kirvo::fuzz::Fail(#condition, __FILE__, __LINE__))

namespace kirvo::fuzz {

[[noreturn]] void Fail(const char* condition, const char* file, int line);

// Reads a fuzz input piece by piece; an exhausted input gives zeros and empty texts.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size)
      : rest_(reinterpret_cast<const char*>(data), size) {}

  std::uint8_t Byte();
  // A number in [low, high].
  int IntIn(int low, int high);
  bool Flag() { return (Byte() & 1) != 0; }
  // A text of up to `max_size` bytes: its length comes first.
  std::string Text(std::size_t max_size);
  // Everything not taken yet.
  std::string_view Rest();

 private:
  std::string_view rest_;
};

// An empty folder of this process for files a harness writes, on a memory file system when there
// is one; removed with the process's exit.
const std::filesystem::path& ScratchFolder();

// Writes `bytes` to `path` plainly (no temporary file), for preparing inputs.
void WritePlainFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace kirvo::fuzz
