// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/search_command_line.h"

#include <vector>

#include "data/codepage.h"
#include "data/command_line_reader.h"

namespace skrybon {
namespace {

// The operator whose combo text, without its blanks, is the argument.
std::optional<SearchOperator> ParseOperator(const std::string& text) {
  const std::string trimmed = TrimWhiteSpace(text);
  for (const SearchOperator op : {SearchOperator::Or, SearchOperator::And, SearchOperator::AndNot}) {
    if (trimmed == TrimWhiteSpace(OperatorText(op))) return op;
  }
  return std::nullopt;
}

}  // namespace

std::string SearchCommandUsage() {
  return "usage: skrybon-tool search [--data DIR] --translation bg|bw|bt [--whole-words | --word-start]\n"
         "                           [--case-sensitive] [--encoding utf8|cp1250]\n"
         "                           WORD1 [LUB|I|NIE WORD2 [LUB|I|NIE WORD3 [LUB|I|NIE WORD4]]]\n";
}

std::optional<SearchCommandLine> ParseSearchCommandLine(std::span<const std::string> args, std::string& error) {
  SearchCommandLine line;
  bool haveTranslation = false;
  bool wholeWords = false;
  bool wordStart = false;
  std::vector<std::string> positional;
  CommandLineReader reader(args,
                           {{"data", "translation", "encoding"}, {"whole-words", "word-start", "case-sensitive"}, {}});
  while (auto arg = reader.Next()) {
    using Kind = CommandLineArgument::Kind;
    const std::string option = "--" + arg->name;
    switch (arg->kind) {
      case Kind::Positional: positional.push_back(std::move(arg->value)); continue;
      case Kind::Value:
      case Kind::Flag: break;
      case Kind::MissingValue: error = option + " needs a value"; return std::nullopt;
      case Kind::UnknownOption:  // "--bogus=x" is told it takes no value, as ever
        error = arg->inlineValue ? option + " takes no value" : "unknown option: " + option;
        return std::nullopt;
      case Kind::UnwantedValue: error = option + " takes no value"; return std::nullopt;
    }
    const std::string& text = arg->value;
    if (option == "--data") {
      line.dataFolder = text;
    } else if (option == "--translation") {
      const auto id = TranslationFromCode(text);
      if (!id) {
        error = "unknown translation: " + text;
        return std::nullopt;
      }
      line.request.translation = static_cast<int>(*id) - 1;
      haveTranslation = true;
    } else if (option == "--whole-words") {
      wholeWords = true;
    } else if (option == "--word-start") {
      wordStart = true;
    } else if (option == "--case-sensitive") {
      line.request.caseSensitive = true;
    } else if (text == "utf8" || text == "cp1250") {  // --encoding
      line.encoding = text == "utf8" ? TextEncoding::Utf8 : TextEncoding::Cp1250;
    } else {
      error = "unknown encoding: " + text;
      return std::nullopt;
    }
  }
  if (!haveTranslation) {
    error = "--translation is required";
    return std::nullopt;
  }
  if (wholeWords && wordStart) {
    error = "--whole-words and --word-start exclude each other";
    return std::nullopt;
  }
  if (positional.empty() || positional.size() > 2 * kSearchWordCount - 1) {
    error = "give one to four words joined by LUB, I or NIE";
    return std::nullopt;
  }
  line.request.method = MethodFromFlags(wordStart, wholeWords);
  for (std::size_t p = 0; p < positional.size(); ++p) {
    if (p % 2 == 1) {
      const auto op = ParseOperator(positional[p]);
      if (!op) {
        error = "not an operator (LUB, I, NIE): " + positional[p];
        return std::nullopt;
      }
      line.request.operators[p / 2] = *op;
      continue;
    }
    if (line.encoding == TextEncoding::Utf8) {
      // A character the text's code page lacks cannot occur in any verse; as
      // '?' it would find something else.
      if (const auto c = FirstCharOutsideCp1250(positional[p])) {
        error = "word " + std::to_string(p / 2 + 1) + " holds " + DescribeCodePoint(*c) +
                ", which Windows-1250 cannot hold, so it cannot occur in the text";
        return std::nullopt;
      }
    }
    std::string word = line.encoding == TextEncoding::Utf8 ? Utf8ToCp1250(positional[p]) : positional[p];
    if (word.size() > kSearchWordMaxLength) {
      error = "a word or phrase holds at most 200 characters";
      return std::nullopt;
    }
    line.request.words[p / 2] = TrimWhiteSpace(word);
  }
  return line;
}

}  // namespace skrybon
