// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/search_command_line.h"

#include <vector>

#include "data/codepage.h"

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
  bool optionsEnded = false;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      positional.push_back(arg);
      continue;
    }
    // "--name=value" is the same as "--name value".
    std::optional<std::string> inlineValue;
    if (const std::size_t eq = arg.find('='); eq != std::string::npos) {
      inlineValue = arg.substr(eq + 1);
      arg.resize(eq);
    }
    const auto value = [&](std::string& out) {
      if (inlineValue) {
        out = *inlineValue;
        return true;
      }
      if (i + 1 >= args.size()) {
        error = arg + " needs a value";
        return false;
      }
      out = args[++i];
      return true;
    };
    std::string text;
    const bool takesValue = arg == "--data" || arg == "--translation" || arg == "--encoding";
    if (inlineValue && !takesValue) {
      error = arg + " takes no value";
      return std::nullopt;
    }
    if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--data") {
      if (!value(line.dataFolder.emplace())) return std::nullopt;
    } else if (arg == "--translation") {
      if (!value(text)) return std::nullopt;
      const auto id = TranslationFromCode(text);
      if (!id) {
        error = "unknown translation: " + text;
        return std::nullopt;
      }
      line.request.translation = static_cast<int>(*id) - 1;
      haveTranslation = true;
    } else if (arg == "--whole-words") {
      wholeWords = true;
    } else if (arg == "--word-start") {
      wordStart = true;
    } else if (arg == "--case-sensitive") {
      line.request.caseSensitive = true;
    } else if (arg == "--encoding") {
      if (!value(text)) return std::nullopt;
      if (text == "utf8") {
        line.encoding = TextEncoding::Utf8;
      } else if (text == "cp1250") {
        line.encoding = TextEncoding::Cp1250;
      } else {
        error = "unknown encoding: " + text;
        return std::nullopt;
      }
    } else {
      error = "unknown option: " + arg;
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
