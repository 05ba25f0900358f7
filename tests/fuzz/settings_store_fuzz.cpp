// The per-user store file as it comes from disk: a damaged file still opens and says so, and
// what is written into it reads back after opening it again, with the damage gone.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kirvo::fuzz::Input input(data, size);
  const std::string key = input.Text(16);
  const std::string name = input.Text(16);
  const std::string text = input.Text(32);
  const std::string bytes = input.Text(32);
  const std::filesystem::path file = kirvo::fuzz::ScratchFolder() / "KirvoStore.txt";
  kirvo::fuzz::WritePlainFile(file, input.Rest());

  kirvo::Outcome<kirvo::FileSettingsStore> store = kirvo::FileSettingsStore::Open(file);
  FUZZ_CHECK(store.ok());
  kirvo::FileSettingsStore& opened = store.value();
  FUZZ_CHECK(opened.WriteString(key, name, text).ok());
  FUZZ_CHECK(opened.WriteBinary(key, name + "#", bytes).ok());
  FUZZ_CHECK(opened.ReadString(key, name) == text && opened.ReadBinary(key, name + "#") == bytes);

  const kirvo::Outcome<kirvo::FileSettingsStore> reopened = kirvo::FileSettingsStore::Open(file);
  FUZZ_CHECK(reopened.ok() && reopened->LoadProblem().empty());
  FUZZ_CHECK(reopened->ReadString(key, name) == text);
  FUZZ_CHECK(reopened->ReadBinary(key, name + "#") == bytes);
  FUZZ_CHECK(reopened->HasValue("\\" + key + "\\", name));

  // A backup imports whole into an empty store.
  const std::filesystem::path backup = kirvo::fuzz::ScratchFolder() / "Backup.txt";
  const std::filesystem::path other = kirvo::fuzz::ScratchFolder() / "Other.txt";
  std::filesystem::remove(other);
  FUZZ_CHECK(reopened->ExportTo(backup).ok());
  kirvo::Outcome<kirvo::FileSettingsStore> restored = kirvo::FileSettingsStore::Open(other);
  FUZZ_CHECK(restored.ok() && restored.value().ImportFrom(backup).ok());
  FUZZ_CHECK(restored->ReadString(key, name) == text && restored->ReadBinary(key, name + "#") == bytes);
  return 0;
}
