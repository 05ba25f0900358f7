// The per-user store file as it comes from disk: a damaged file still opens and says so; what is
// written into it reads back after opening it again; every line it could not read is written back
// byte for byte; and a store saved again without an edit comes back byte for byte.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "platform/settings_store.h"
#include "platform/text_file.h"

namespace {

// Whether the store reads `line` as a value: a store of the header and that line alone opens
// without a problem.
bool ReadsAsValue(std::string_view line) {
  const std::filesystem::path probe = kirvo::fuzz::ScratchFolder() / "Probe.txt";
  kirvo::fuzz::WritePlainFile(probe, "KirvoStore 1\n" + std::string(line) + "\n");
  const kirvo::Outcome<kirvo::FileSettingsStore> store = kirvo::FileSettingsStore::Open(probe);
  return store.ok() && store->LoadProblem().empty();
}

// Each line the store cannot read (after the first, which may be the header) must be in `saved`
// as it was, with its line end ("\n" added to a last line without one).
void CheckUnreadableLinesKept(std::string_view file, const std::string& saved) {
  for (std::size_t number = 1; !file.empty() && number <= 64; ++number) {
    const std::size_t end = std::min(file.find_first_of("\r\n"), file.size());
    std::size_t next = end;
    if (end < file.size()) next += file.substr(end).starts_with("\r\n") ? 2 : 1;
    const std::string_view line = file.substr(0, end);
    std::string whole(file.substr(0, next));
    if (next == end) whole += '\n';
    file.remove_prefix(next);
    if (number == 1 || line.empty() || ReadsAsValue(line)) continue;
    FUZZ_CHECK(saved.find(whole) != std::string::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kirvo::fuzz::Input input(data, size);
  const std::string key = input.Text(16);
  const std::string name = input.Text(16);
  const std::string text = input.Text(32);
  const std::string bytes = input.Text(32);
  const std::filesystem::path file = kirvo::fuzz::ScratchFolder() / "KirvoStore.txt";
  const std::string_view original = input.Rest();
  kirvo::fuzz::WritePlainFile(file, original);

  kirvo::Outcome<kirvo::FileSettingsStore> store = kirvo::FileSettingsStore::Open(file);
  FUZZ_CHECK(store.ok());
  kirvo::FileSettingsStore& opened = store.value();
  FUZZ_CHECK(opened.WriteString(key, name, text).ok());
  FUZZ_CHECK(opened.WriteBinary(key, name + "#", bytes).ok());
  FUZZ_CHECK(opened.ReadString(key, name) == text && opened.ReadBinary(key, name + "#") == bytes);
  const kirvo::Outcome<std::string> saved = kirvo::ReadFileBytes(file);
  FUZZ_CHECK(saved.ok());
  CheckUnreadableLinesKept(original, *saved);

  kirvo::Outcome<kirvo::FileSettingsStore> reopened = kirvo::FileSettingsStore::Open(file);
  FUZZ_CHECK(reopened.ok());
  FUZZ_CHECK(reopened->ReadString(key, name) == text);
  FUZZ_CHECK(reopened->ReadBinary(key, name + "#") == bytes);
  FUZZ_CHECK(reopened->HasValue("\\" + key + "\\", name));
  // Writing what it holds already changes no byte. (A first line that is no header is kept below
  // the header the save adds, where it may read as a value after all.)
  FUZZ_CHECK(reopened.value().WriteString(key, name, text).ok());
  const bool had_header = original.empty() || original.starts_with("KirvoStore 1\n") ||
                          original.starts_with("KirvoStore 1\r") || original == "KirvoStore 1";
  if (had_header) FUZZ_CHECK(kirvo::ReadFileBytes(file).value() == *saved);

  // A backup holds the values only and imports whole into an empty store.
  const std::filesystem::path backup = kirvo::fuzz::ScratchFolder() / "Backup.txt";
  const std::filesystem::path other = kirvo::fuzz::ScratchFolder() / "Other.txt";
  std::filesystem::remove(other);
  FUZZ_CHECK(reopened->ExportTo(backup).ok());
  kirvo::Outcome<kirvo::FileSettingsStore> restored = kirvo::FileSettingsStore::Open(other);
  FUZZ_CHECK(restored.ok() && restored.value().ImportFrom(backup).ok());
  FUZZ_CHECK(restored->ReadString(key, name) == text && restored->ReadBinary(key, name + "#") == bytes);
  return 0;
}
