// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/demo_data.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "data/book_ids.h"

namespace skrybon {
namespace {

// Chapter counts of the books in the 73-book order.
constexpr std::array<int, 73> kChapters = {
    50, 40, 27, 36, 34, 24, 21, 4,  31, 24, 22, 25, 29, 36, 10, 13, 14, 16, 10, 16, 15, 42, 150, 31, 12,
    8,  19, 51, 66, 52, 5,  6,  48, 14, 14, 3,  9,  1,  4,  7,  3,  3,  3,   2,  14, 4,  28, 16, 24, 21,
    28, 16, 16, 13, 6,  6,  4,  4,  5,  3,  6,  4,  3,  1,  13, 5,  5,  3,   5,  1,  1,  1,  22};

constexpr int kPsalmsBt = 22;
constexpr int kDanielBt = 33;

// Small, fast and deterministic: splitmix64.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  template <typename T, std::size_t N>
  const T& Pick(const std::array<T, N>& items) {
    return items[static_cast<std::size_t>(Below(static_cast<int>(N)))];
  }

 private:
  std::uint64_t state_;
};

constexpr std::array<std::string_view, 16> kSubjects = {
    "Stary rybak",  "Młody tkacz",       "Cicha wdowa",   "Wędrowny kupiec", "Ogrodnik z doliny",
    "Mądra pasterka", "Kowal spod góry", "Żeglarz",       "Pisarz miejski",  "Dziecko z wioski",
    "Strażnik bramy", "Pszczelarz",      "Łagodny starzec", "Córka młynarza", "Źdźbło trawy",
    "Wiatr od morza"};

constexpr std::array<std::string_view, 16> kVerbs = {
    "niesie",   "liczy",    "zbiera",  "opisuje", "naprawia", "sadzi",    "ogląda", "szuka",
    "zapala",   "rozdaje",  "maluje",  "mierzy",  "chowa",    "przynosi", "wypatruje", "układa"};

constexpr std::array<std::string_view, 16> kObjects = {
    "gliniane dzbany", "zielone jabłka",   "srebrne guziki",  "długie sieci",  "ciepły chleb",
    "żółte świece",    "mapy gwiazd",      "drewniane łyżki", "płócienne worki", "gęsie pióra",
    "kamienne płyty",  "miodowe plastry",  "źródlaną wodę",   "wełniane koce",  "kolorowe wstążki",
    "stare księgi"};

constexpr std::array<std::string_view, 16> kPlaces = {
    "nad brzegiem jeziora", "w ciszy poranka",     "pod starym dębem",  "na rynku w Gnieźnie",
    "przy ścieżce do młyna", "za siódmym wzgórzem", "w sadzie pełnym pszczół", "o zmierzchu",
    "na łące nad rzeką",    "w cieniu spichlerza", "przy ognisku",      "pośród mgły",
    "na skraju puszczy",    "w porcie rybackim",   "pod gwiaździstym niebem", "przed świtem"};

constexpr std::array<std::string_view, 12> kEndings = {
    "i nikt się temu nie dziwi",      "bo tak robi się od lat",        "a potem odpoczywa",
    "choć dzień jest krótki",         "zanim zajdzie słońce",          "dla sąsiadów i przyjaciół",
    "licząc wszystko dwa razy",       "jakby to było święto",          "bez pośpiechu",
    "z uśmiechem na twarzy",          "tak jak uczyła go babka",       "póki starczy sił"};

std::string Sentence(Random& random) {
  std::string s = std::string(random.Pick(kSubjects)) + " " + std::string(random.Pick(kVerbs)) + " " +
                  std::string(random.Pick(kObjects)) + " " + std::string(random.Pick(kPlaces));
  if (random.Below(2) == 0) s += ", " + std::string(random.Pick(kEndings));
  return s + ".";
}

int VersesInChapter(int btBook, int chapter) {
  if (btBook == kPsalmsBt && chapter == 119) return 176;
  if (btBook == kPsalmsBt && chapter == 117) return 2;
  Random random(static_cast<std::uint64_t>(btBook) * 1000 + static_cast<std::uint64_t>(chapter));
  return 8 + random.Below(30);
}

}  // namespace

std::string DemoVerseText(std::uint64_t seed) {
  Random random(seed);
  // Mostly one or two sentences; now and then a long verse of five or six.
  const int roll = random.Below(20);
  const int sentences = roll == 0 ? 5 + random.Below(2) : 1 + random.Below(2);
  std::string text;
  for (int i = 0; i < sentences; ++i) {
    if (i > 0) text += ' ';
    text += Sentence(random);
  }
  return text;
}

void AddDemoVerses(CTranslationBuilder& builder) {
  const TranslationId id = builder.Id();
  for (int book = 0; book < BookCount(id); ++book) {
    // The same book has the same shape in every translation.
    const int bt = id == TranslationId::BT ? book : BtBookFromProtestant(book);
    int chapters = kChapters[static_cast<std::size_t>(bt)];
    // BG and BW end Daniel with chapter 12; BT adds two chapters.
    if (bt == kDanielBt && id != TranslationId::BT) chapters = 12;
    for (int c = 1; c <= chapters; ++c) {
      const int verses = VersesInChapter(bt, c);
      for (int v = 1; v <= verses; ++v) {
        const std::uint64_t seed = (static_cast<std::uint64_t>(id) << 40) ^
                                   (static_cast<std::uint64_t>(bt) << 24) ^
                                   (static_cast<std::uint64_t>(c) << 10) ^ static_cast<std::uint64_t>(v);
        std::string text = DemoVerseText(seed);
        if (book == 0 && c == 1 && v == 1) {
          text = "Tekst przykładowy programu Skrybon, ułożony z losowych zdań – to nie jest tekst "
                 "Pisma Świętego. " + text;
        }
        builder.AddVerse(book, c, v, text);
      }
    }
  }
}

}  // namespace skrybon
