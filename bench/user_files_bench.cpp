// Speed of reading the user's large files: the per-user store and a name file, a million entries
// each. Peak memory of the name file: run this benchmark alone under /usr/bin/time -v.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "data/name_file.h"
#include "platform/settings_store.h"

namespace {

using namespace kirvo;

std::filesystem::path BenchFolder(const char* name) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
  std::filesystem::create_directories(folder);
  return folder;
}

// A store of `count` string values over 1,000 keys, as the program writes it.
void BM_SettingsStoreLoad(benchmark::State& state) {
  const std::filesystem::path folder = BenchFolder("kirvo_store_bench");
  const std::filesystem::path file = folder / "KirvoStore.txt";
  {
    std::ofstream out(file, std::ios::binary);
    out << "KirvoStore 1\n";
    for (std::int64_t i = 0; i < state.range(0); ++i) {
      out << "S\tWinPlace" << i % 1000 << "\tValue" << i << "\tC:\\\\KIRVO\\\\Data" << i << ".nam\n";
    }
  }
  for (auto _ : state) {
    Outcome<FileSettingsStore> store = FileSettingsStore::Open(file);
    if (!store || !store->HasValue("WinPlace999", "Value999")) state.SkipWithError("the store did not load");
    benchmark::DoNotOptimize(store);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SettingsStoreLoad)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// A name file of `count` persons (Shift-JIS, CR LF) with their four input cells, as another tool
// writes one: a million persons with all 47 cells would pass the 64 MB a file may have.
void BM_NameFileRead(benchmark::State& state) {
  const std::filesystem::path folder = BenchFolder("kirvo_name_file_bench");
  const std::filesystem::path file = folder / "Large.nam";
  {
    std::ofstream out(file, std::ios::binary);
    const std::string name = "\x8e\x52\x93\x63\x91\xbe\x98\x59";  // 山田太郎
    for (std::int64_t i = 0; i < state.range(0); ++i) {
      out << name << i % 1000 << ",\x92\x6a," << 1900 + i % 190 << "/0" << 1 + i % 9 << "/1" << i % 9 << ",12:"
          << 10 + i % 50 << "\r\n";
    }
  }
  for (auto _ : state) {
    Outcome<std::vector<PersonRow>> rows = ReadNameFile(file);
    if (!rows) {
      state.SkipWithError(rows.error().c_str());
    } else if (rows->size() != static_cast<std::size_t>(state.range(0))) {
      state.SkipWithError("persons missing");
    }
    benchmark::DoNotOptimize(rows);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_NameFileRead)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
