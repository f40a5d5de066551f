// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/verse_index.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

#include "data/archive.h"
#include "data/codepage.h"
#include "data/translation_files.h"

namespace skrybon {
namespace {

constexpr std::string_view kObArray = "CObArray";
constexpr std::string_view kWordArray = "CWordArray";

enum class ClassKind { None, ObArray, WordArray };

// A book's verses are addressed by 16-bit entry numbers, so no real book has
// more; the cap also keeps shared objects from multiplying memory.
constexpr std::size_t kMaxVersesPerBook = 0x10000;

// The load table of the archive: entry 0 is the null object, every class
// definition and every object takes the next number as it is met. An object
// remembers where its data went, so that a later reference can share it.
class LoadTable {
 public:
  struct Entry {
    bool isClass = false;
    ClassKind kind = ClassKind::None;
    int book = -1;
    int chapter = -1;
  };

  LoadTable() : entries_(1) {}

  const Entry& At(std::uint32_t number) const {
    if (number >= entries_.size()) throw DataFormatError(Cp("odwołanie do nieodczytanego obiektu"));
    return entries_[number];
  }
  ClassKind ClassAt(std::uint32_t number) const {
    const Entry& e = At(number);
    if (!e.isClass) throw DataFormatError(Cp("odwołanie do nieznanej klasy"));
    return e.kind;
  }
  void Add(Entry e) {
    if (entries_.size() >= 0x7FFFFFFF) throw DataFormatError(Cp("za dużo obiektów"));
    entries_.push_back(e);
  }

 private:
  std::vector<Entry> entries_;
};

// The outcome of reading an object reference where an array is expected:
// either a new object (its payload follows) or an already-read one.
struct ObjectRef {
  bool isNew = true;
  LoadTable::Entry shared;
};

ObjectRef ReadObjectRef(ArchiveReader& in, LoadTable& table, ClassKind wanted) {
  const std::uint16_t tag = in.ReadWord();
  ClassKind kind = ClassKind::None;
  if (tag == 0xFFFF) {
    const std::uint16_t schema = in.ReadWord();
    const std::uint16_t length = in.ReadWord();
    if (length >= 64) throw DataFormatError(Cp("za długa nazwa klasy"));
    const auto nameBytes = in.ReadBytes(length);
    const std::string_view name(reinterpret_cast<const char*>(nameBytes.data()), nameBytes.size());
    if (name == kObArray) kind = ClassKind::ObArray;
    else if (name == kWordArray) kind = ClassKind::WordArray;
    else throw DataFormatError(Cp("nieznana klasa „") + std::string(name) + Cp("”"));
    if (schema != 0) throw DataFormatError(Cp("niezgodny numer schematu klasy"));
    table.Add({true, kind});
  } else if (tag == 0x7FFF || tag >= 0x8001) {
    std::uint32_t number = tag & 0x7FFFu;
    bool isNew = true;
    if (tag == 0x7FFF) {
      const std::uint32_t value = in.ReadDword();
      number = value & 0x7FFFFFFFu;
      isNew = (value & 0x80000000u) != 0;
    }
    if (!isNew) {
      const LoadTable::Entry& shared = table.At(number);
      if (shared.isClass || shared.kind != wanted) throw DataFormatError(Cp("obiekt niewłaściwej klasy"));
      return {false, shared};
    }
    kind = table.ClassAt(number);
  } else if (tag == 0 || tag == 0x8000) {
    throw DataFormatError(Cp("pusty obiekt w miejscu listy"));
  } else {
    const LoadTable::Entry& shared = table.At(tag);
    if (shared.isClass || shared.kind != wanted) throw DataFormatError(Cp("obiekt niewłaściwej klasy"));
    return {false, shared};
  }
  if (kind != wanted) throw DataFormatError(Cp("obiekt niewłaściwej klasy"));
  return {};
}

// Reads a count of items each at least minBytes long, refusing counts that
// could not fit in what is left of the file.
std::uint32_t ReadBoundedCount(ArchiveReader& in, std::size_t minBytes) {
  const std::uint32_t count = in.ReadCount();
  if (static_cast<std::uint64_t>(count) * minBytes > in.Remaining()) {
    throw DataFormatError(Cp("plik kończy się przedwcześnie"));
  }
  return count;
}

// Writes the tag of a new object, defining its class on first use.
void WriteNewObjectTag(ArchiveWriter& out, std::uint32_t& nextNumber, std::uint32_t& classNumber,
                       std::string_view className) {
  if (classNumber == 0) {
    out.WriteWord(0xFFFF);
    out.WriteWord(0);
    out.WriteWord(static_cast<std::uint16_t>(className.size()));
    out.WriteText(std::string(className));
    classNumber = nextNumber++;
  } else if (classNumber < 0x7FFF) {
    out.WriteWord(static_cast<std::uint16_t>(0x8000 | classNumber));
  } else {
    out.WriteWord(0x7FFF);
    out.WriteDword(0x80000000u | classNumber);
  }
  ++nextNumber;
}

}  // namespace

VerseIndex ReadVerseIndex(std::span<const std::uint8_t> bytes, int expectedBooks) {
  ArchiveReader in(bytes);
  LoadTable table;
  const std::uint32_t bookCount = ReadBoundedCount(in, 2);
  if (bookCount != static_cast<std::uint32_t>(expectedBooks)) {
    throw DataFormatError(Cp("niewłaściwa liczba ksiąg: ") + std::to_string(bookCount) +
                          Cp(" zamiast ") + std::to_string(expectedBooks));
  }
  VerseIndex books(bookCount);
  for (std::size_t b = 0; b < books.size(); ++b) {
    const ObjectRef bookRef = ReadObjectRef(in, table, ClassKind::ObArray);
    if (!bookRef.isNew) {
      books[b] = books[static_cast<std::size_t>(bookRef.shared.book)];
      continue;
    }
    table.Add({false, ClassKind::ObArray, static_cast<int>(b), -1});
    auto& book = books[b];
    const std::uint32_t chapterCount = ReadBoundedCount(in, 2);
    if (chapterCount == 0) throw DataFormatError(Cp("księga bez rozdziałów"));
    // Every chapter holds a verse, so a count beyond the verses a book can
    // have is damage; refusing it here keeps a small file from asking for
    // millions of chapter lists.
    if (chapterCount > kMaxVersesPerBook) throw DataFormatError(Cp("za dużo rozdziałów w księdze"));
    book.resize(chapterCount);
    std::size_t versesInBook = 0;
    for (std::size_t c = 0; c < book.size(); ++c) {
      const ObjectRef chapterRef = ReadObjectRef(in, table, ClassKind::WordArray);
      if (!chapterRef.isNew) {
        book[c] = books[static_cast<std::size_t>(chapterRef.shared.book)]
                       [static_cast<std::size_t>(chapterRef.shared.chapter)];
      } else {
        table.Add({false, ClassKind::WordArray, static_cast<int>(b), static_cast<int>(c)});
        const std::uint32_t verseCount = ReadBoundedCount(in, 2);
        if (verseCount == 0) throw DataFormatError(Cp("rozdział bez wersetów"));
        const auto words = in.ReadBytes(std::size_t{verseCount} * 2);
        book[c].resize(verseCount);
        for (std::size_t v = 0; v < verseCount; ++v) {
          book[c][v] = static_cast<std::uint16_t>(words[2 * v] | (words[2 * v + 1] << 8));
        }
      }
      versesInBook += book[c].size();
      if (versesInBook > kMaxVersesPerBook) throw DataFormatError(Cp("za dużo wersetów w księdze"));
    }
  }
  return books;
}

std::vector<std::uint8_t> WriteVerseIndex(const VerseIndex& index) {
  ArchiveWriter out;
  std::uint32_t nextNumber = 1;
  std::uint32_t obArrayClass = 0;
  std::uint32_t wordArrayClass = 0;
  out.WriteCount(static_cast<std::uint32_t>(index.size()));
  for (const auto& book : index) {
    WriteNewObjectTag(out, nextNumber, obArrayClass, kObArray);
    out.WriteCount(static_cast<std::uint32_t>(book.size()));
    for (const auto& chapter : book) {
      WriteNewObjectTag(out, nextNumber, wordArrayClass, kWordArray);
      out.WriteCount(static_cast<std::uint32_t>(chapter.size()));
      for (const std::uint16_t entry : chapter) out.WriteWord(entry);
    }
  }
  return out.Take();
}

CTranslationIndex::CTranslationIndex(TranslationId id) : id_(id), aliases_(id) {}

std::optional<std::string> CTranslationIndex::LoadIndex(const std::string& folder) {
  const std::string fileName = IndexFileName(id_);
  if (HasUnfinishedImport(folder, id_)) {
    std::error_code ec;
    const std::string where = Utf8ToCp1250(std::filesystem::absolute(folder, ec).lexically_normal().string());
    return Cp("Import ") + TranslationGenitive(id_) + Cp(" do folderu '") + where +
           Cp("' nie został dokończony!\nPliki '") + fileName +
           Cp("' i księgi w folderze 'ksiegi' mogą pochodzić z dwóch różnych tekstów, dlatego ") +
           TranslationTitle(id_) + Cp(" nie zostanie wczytana.\nUruchom: skrybon-tool check --repair --data '") + where +
           Cp("'\nalbo zaimportuj tłumaczenie ponownie.");
  }
  std::vector<std::uint8_t> bytes;
  const auto read = ReadWholeFile(folder + "/" + fileName, bytes);
  if (read.Missing()) {
    return Cp("Nie mogę odnaleźć pliku: '") + fileName + Cp("'!\nJest to plik indeksowy ") +
           TranslationGenitive(id_) + Cp(" i musi się znajdować w głównym folderze programu!\nProgram zakończy pracę.");
  }
  if (!read) {
    return Cp("Nie mogę odczytać pliku: '") + fileName + "' (" + ReadFailureInPolish(read) +
           Cp(")!\nJest to plik indeksowy ") + TranslationGenitive(id_) + Cp(".\nProgram będzie działał bez tego przekładu.");
  }
  try {
    books_ = ReadVerseIndex(bytes, BookCount(id_));
  } catch (const DataFormatError& e) {
    books_.clear();
    return Cp("Plik '") + fileName + Cp("' jest uszkodzony (") + e.what() +
           Cp(")!\nJest to plik indeksowy ") + TranslationGenitive(id_) +
           Cp(".\nProgram będzie działał bez tego przekładu.");
  }
  return std::nullopt;
}

const std::vector<std::vector<std::uint16_t>>& CTranslationIndex::Book(int book) const {
  static const std::vector<std::vector<std::uint16_t>> empty;
  if (books_.empty()) return empty;
  return books_[static_cast<std::size_t>(std::clamp(book, 0, static_cast<int>(books_.size()) - 1))];
}

const std::vector<std::uint16_t>& CTranslationIndex::Chapter(int book, int chapter) const {
  static const std::vector<std::uint16_t> empty;
  const auto& chapters = Book(book);
  if (chapters.empty()) return empty;
  return chapters[static_cast<std::size_t>(std::clamp(chapter, 0, static_cast<int>(chapters.size()) - 1))];
}

int CTranslationIndex::GetChapterCount(int book) const { return static_cast<int>(Book(book).size()); }

int CTranslationIndex::GetVerseCount(int book, int chapter) const {
  return static_cast<int>(Chapter(book, chapter).size());
}

std::pair<int, int> CTranslationIndex::GetChapterEntryRange(int book, int chapter) const {
  const auto& verses = Chapter(book, chapter);
  if (verses.empty()) return {0, -1};
  return {verses.front(), verses.back()};
}

void CTranslationIndex::FindVerseOfEntry(int book, int entry, int& chapter, int& verse) const {
  const auto& chapters = Book(book);
  for (std::size_t c = 0; c < chapters.size(); ++c) {
    const auto& verses = chapters[c];
    for (std::size_t v = 0; v < verses.size(); ++v) {
      if (verses[v] == entry) {
        chapter = static_cast<int>(c);
        verse = static_cast<int>(v);
        return;
      }
    }
  }
}

}  // namespace skrybon
