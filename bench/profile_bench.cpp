// SPDX-License-Identifier: GPL-2.0-or-later
// Timing of the profile with a huge file (a hand-edited or damaged profile of
// 200 MB): the start of a run (read once, the seventeen keys the program
// reads) and the close (seventeen keys changed, then one merge and write).
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "testing/temp_folder.h"
#include "ui/profile.h"

namespace {

using namespace skrybon;

constexpr std::size_t kProfileBytes = std::size_t{200} << 20;

// A profile of many foreign sections with the program's own ones at the end.
struct HugeProfile {
  testing::CTempFolder folder{"skrybon-profile-bench"};
  std::string path = (folder.Path() / "skrybon.ini").string();

  HugeProfile() {
    std::ofstream out(path, std::ios::binary);
    std::string block;
    for (int i = 0; i < 1000; ++i) block += "[Foreign " + std::to_string(i) + "]\nsome key=some value\n; remark\n\n";
    for (std::size_t written = 0; written < kProfileBytes; written += block.size()) out << block;
    out << "[Skrybon]\nFont height=-10\n[Main Window State]\nLeft=50\n";
  }
};

void ReadSeventeenKeys(const CProfile& profile) {
  for (int i = 0; i < 12; ++i) benchmark::DoNotOptimize(profile.GetProfileInt("Skrybon", "Key " + std::to_string(i), 0));
  for (int i = 0; i < 5; ++i)
    benchmark::DoNotOptimize(profile.GetProfileInt("Main Window State", "Key " + std::to_string(i), 0));
}

void BM_StartWithHugeProfile(benchmark::State& state) {
  const HugeProfile file;
  for (auto _ : state) {
    const CProfile profile(file.path);
    ReadSeventeenKeys(profile);
  }
}
BENCHMARK(BM_StartWithHugeProfile)->Unit(benchmark::kMillisecond);

void BM_CloseWithHugeProfile(benchmark::State& state) {
  const HugeProfile file;
  CProfile profile(file.path);
  int round = 0;
  for (auto _ : state) {
    ++round;
    for (int i = 0; i < 12; ++i) profile.SetProfileInt("Skrybon", "Key " + std::to_string(i), round);
    for (int i = 0; i < 5; ++i) profile.SetProfileInt("Main Window State", "Key " + std::to_string(i), round);
    if (!profile.Flush()) state.SkipWithError(profile.LastError().c_str());
  }
}
BENCHMARK(BM_CloseWithHugeProfile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
