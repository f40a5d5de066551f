// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/book_file.h"

#include <algorithm>

#include "data/archive.h"
#include "data/codepage.h"
#include "data/verse_index.h"

namespace skrybon {
namespace {

// Reads one length prefix; sets utf16 when the string is stored as UTF-16LE.
std::uint32_t ReadStringLength(ArchiveReader& in, bool& utf16) {
  const std::uint8_t b = in.ReadByte();
  if (b < 0xFF) return b;
  const std::uint16_t w = in.ReadWord();
  if (w == 0xFFFE) {
    if (utf16) throw DataFormatError(Cp("niewłaściwa długość tekstu"));
    utf16 = true;
    return ReadStringLength(in, utf16);
  }
  if (w == 0xFFFF) return in.ReadDword();
  return w;
}

}  // namespace

std::size_t ForEachString(std::span<const std::uint8_t> bytes,
                          const std::function<void(std::size_t, std::string_view)>& visit) {
  ArchiveReader in(bytes);
  const std::uint32_t count = in.ReadCount();
  // Every string takes at least its one-byte length.
  if (count > in.Remaining()) throw DataFormatError(Cp("plik kończy się przedwcześnie"));
  // Readers keep a few words per string; a small file of empty strings must
  // not make them ask for gigabytes.
  if (count > kMaxBookFileVerses) throw DataFormatError(Cp("za dużo wersetów w pliku"));
  std::string scratch;
  for (std::uint32_t k = 0; k < count; ++k) {
    bool utf16 = false;
    const std::uint32_t length = ReadStringLength(in, utf16);
    if (!utf16) {
      const auto text = in.ReadBytes(length);
      visit(k, std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
      continue;
    }
    const auto units = in.ReadBytes(static_cast<std::size_t>(length) * 2);
    scratch.resize(length);
    for (std::uint32_t i = 0; i < length; ++i) {
      scratch[i] = Utf16ToCp1250(static_cast<char16_t>(units[2 * i] | (units[2 * i + 1] << 8)));
    }
    visit(k, scratch);
  }
  return count;
}

std::vector<std::string> ReadStringArray(std::span<const std::uint8_t> bytes) {
  std::vector<std::string> strings;
  ForEachString(bytes, [&](std::size_t, std::string_view text) { strings.emplace_back(text); });
  return strings;
}

std::vector<std::uint8_t> WriteStringArray(const std::vector<std::string>& strings) {
  ArchiveWriter out;
  out.WriteCount(static_cast<std::uint32_t>(strings.size()));
  for (const std::string& s : strings) {
    const std::size_t n = s.size();
    if (n < 0xFF) {
      out.WriteByte(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
      out.WriteByte(0xFF);
      out.WriteWord(static_cast<std::uint16_t>(n));
    } else {
      out.WriteByte(0xFF);
      out.WriteWord(0xFFFF);
      out.WriteDword(static_cast<std::uint32_t>(n));
    }
    out.WriteText(s);
  }
  return out.Take();
}

std::string BookFilePath(std::string_view bookFolder, TranslationId id, int book) {
  return std::string(bookFolder) + "/" + std::to_string(book) + "." + std::string(BookFileExtension(id));
}

std::string MissingBookFileMessage(std::string_view path, std::string_view bookFolder, TranslationId id,
                                   int book) {
  return Cp("Nie mogę odnaleźć pliku:\t\t'/") + std::string(path) + Cp("'!\nJest to plik z księgą:\t\t'") +
         BookFullName(id, book) + Cp("' i musi się znajdować folderze\t\t'./") + std::string(bookFolder) +
         Cp("' względem głównego\t\tfoldera programu!");
}

std::string UnreadableBookFileMessage(std::string_view path, const FileReadResult& read, TranslationId id,
                                      int book) {
  return Cp("Nie mogę odczytać pliku:\t\t'/") + std::string(path) + "' (" + ReadFailureInPolish(read) +
         Cp(")!\nJest to plik z księgą:\t\t'") + BookFullName(id, book) + "'.";
}

std::optional<std::string> LoadChapterText(const CTranslationIndex& index, const std::string& mainFolder,
                                           std::string_view bookFolder, int book, int chapter,
                                           std::vector<std::string>& lines) {
  const std::string path = BookFilePath(bookFolder, index.Id(), book);
  const auto message = [&] { return MissingBookFileMessage(path, bookFolder, index.Id(), book); };
  std::vector<std::uint8_t> bytes;
  if (const auto read = ReadWholeFile(mainFolder + "/" + path, bytes); !read) {
    return read.Missing() ? message() : UnreadableBookFileMessage(path, read, index.Id(), book);
  }
  const auto range = index.GetChapterEntryRange(book, chapter);
  const int first = range.first;
  const int last = range.second;
  if (first > last) return message();
  std::vector<std::string> chapterLines;
  chapterLines.reserve(static_cast<std::size_t>(last - first + 1));
  try {
    const std::size_t count = ForEachString(bytes, [&](std::size_t k, std::string_view text) {
      if (static_cast<int>(k) >= first && static_cast<int>(k) <= last) chapterLines.emplace_back(text);
    });
    if (count <= static_cast<std::size_t>(last)) return message();
  } catch (const DataFormatError&) {
    return message();
  }
  lines = std::move(chapterLines);
  return std::nullopt;
}

}  // namespace skrybon
