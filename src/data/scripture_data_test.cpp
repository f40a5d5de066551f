// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/scripture_data.h"

#include <gtest/gtest.h>

#include "testing/fixture_data.h"

namespace skrybon {
namespace {

using testing::WriteFixtureFile;

// One translation written into folder: every book one chapter of `verses`
// verses, each verse text `word`.
void WriteTranslation(const std::filesystem::path& folder, TranslationId id, int verses, const std::string& word) {
  const VerseIndex index = testing::WriteBooks(
      folder, id, [verses](int) { return std::vector<int>{verses}; }, [&word](int, int, int) { return word; });
  WriteFixtureFile(folder / IndexFileName(id), WriteVerseIndex(index));
}

std::vector<std::uint8_t> Damaged() { return {0x01, 0x00, 0xFF}; }

// What a running program notices about a translation's files, and what it
// makes of it: the state read again, and a chapter never read through an
// index that is no longer the one on disk.
TEST(ScriptureDataReload, ChangesOfTheIndexAreNoticedAndReadAgain) {
  enum class Start { Missing, Present, Damaged };
  struct Case {
    const char* what;
    Start start;
    std::function<void(const std::filesystem::path&)> change;  // null: nothing changes
    TranslationState after;
    int messages;  // while reading it again
  };
  const auto replace = [](const std::filesystem::path& f) { WriteTranslation(f, TranslationId::BW, 2, "nowy"); };
  const Case cases[] = {
      {"nothing changed", Start::Present, nullptr, TranslationState::Installed, 0},
      {"installed now", Start::Missing, replace, TranslationState::Installed, 1 /* its alias file */},
      {"replaced", Start::Present, replace, TranslationState::Installed, 1},
      {"removed", Start::Present, [](const std::filesystem::path& f) { std::filesystem::remove(f / "bw.idx"); },
       TranslationState::NotInstalled, 0},
      {"damaged now", Start::Present,
       [](const std::filesystem::path& f) { WriteFixtureFile(f / "bw.idx", Damaged()); }, TranslationState::Damaged, 1},
      {"mended", Start::Damaged, replace, TranslationState::Installed, 1},
      {"an import under way", Start::Present,
       [](const std::filesystem::path& f) { WriteFixtureFile(f / ImportJournalName(TranslationId::BW), Damaged()); },
       TranslationState::Damaged, 1},
  };
  for (const Case& c : cases) {
    const testing::CTempFolder folder;
    if (c.start == Start::Present) WriteTranslation(folder.Path(), TranslationId::BW, 3, "stary");
    if (c.start == Start::Damaged) WriteFixtureFile(folder.Path() / "bw.idx", Damaged());
    CScriptureData data(folder.String());
    data.LoadAll([](const std::string&) {});
    const int generation = data.Generation(TranslationId::BW);
    if (c.change) c.change(folder.Path());
    EXPECT_EQ(data.IsCurrent(TranslationId::BW), !c.change) << c.what;
    std::vector<std::string> lines;
    if (c.start == Start::Present && c.change) {
      EXPECT_TRUE(data.LoadChapterText(TranslationId::BW, 0, 0, lines)) << c.what << ": read through the old index";
      EXPECT_TRUE(lines.empty()) << c.what;
    }
    std::vector<std::string> messages;
    const auto reloaded = data.ReloadChanged([&messages](const std::string& m) { messages.push_back(m); });
    EXPECT_EQ(reloaded.size(), c.change ? 1u : 0u) << c.what;
    EXPECT_EQ(data.Generation(TranslationId::BW) != generation, static_cast<bool>(c.change)) << c.what;
    EXPECT_EQ(data.State(TranslationId::BW), c.after) << c.what;
    EXPECT_EQ(static_cast<int>(messages.size()), c.messages) << c.what;
    for (const std::string& m : messages) EXPECT_NE(m.find(folder.String()), std::string::npos) << c.what << ": " << m;
    EXPECT_TRUE(data.IsCurrent(TranslationId::BW)) << c.what;
    EXPECT_EQ(data.State(TranslationId::BG), TranslationState::NotInstalled) << c.what;
    if (c.after == TranslationState::Installed) {
      EXPECT_FALSE(data.LoadChapterText(TranslationId::BW, 0, 0, lines)) << c.what;
      EXPECT_EQ(lines.size(), c.change ? 2u : 3u) << c.what;
    }
  }
}

}  // namespace
}  // namespace skrybon
