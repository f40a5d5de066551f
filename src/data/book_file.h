// SPDX-License-Identifier: GPL-2.0-or-later
// Book text files: one serialised string array per book and translation in
// the book folder, element k = the text of entry k of the verse index.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/translation.h"
#include "data/whole_file.h"

namespace skrybon {

class CTranslationIndex;

// Verses are addressed by 16-bit entry numbers, so a book file holds at most
// this many; a file that claims more is damaged.
constexpr std::size_t kMaxBookFileVerses = 0x10000;

// Calls visit(k, text) for every string of a serialised string array, in
// order, without copying plain strings (UTF-16 strings are converted to
// Windows-1250 in a scratch buffer; the view lives until the next call).
// Returns the number of strings; throws DataFormatError on malformed bytes.
std::size_t ForEachString(std::span<const std::uint8_t> bytes,
                          const std::function<void(std::size_t, std::string_view)>& visit);

// Decodes the whole array; throws DataFormatError on malformed bytes.
std::vector<std::string> ReadStringArray(std::span<const std::uint8_t> bytes);

// Encodes strings (Windows-1250) with the shortest length forms.
std::vector<std::uint8_t> WriteStringArray(const std::vector<std::string>& strings);

// "ksiegi/12.bg": the book file's path relative to the main folder.
std::string BookFilePath(std::string_view bookFolder, TranslationId id, int book);

// Reads chapter `chapter` of `book` (clamped by the index) from the book file
// under mainFolder. On success fills lines with the chapter's verses, verse 0
// first, and returns nullopt; otherwise leaves lines untouched and returns the
// message to show (a missing, damaged or too short file is reported alike).
std::optional<std::string> LoadChapterText(const CTranslationIndex& index, const std::string& mainFolder,
                                           std::string_view bookFolder, int book, int chapter,
                                           std::vector<std::string>& lines);

// The message for a book file that is not there, naming path and book.
std::string MissingBookFileMessage(std::string_view path, std::string_view bookFolder, TranslationId id,
                                   int book);

// The message for a book file that is there but cannot be read, and why.
std::string UnreadableBookFileMessage(std::string_view path, const FileReadResult& read, TranslationId id,
                                      int book);

}  // namespace skrybon
