// SPDX-License-Identifier: GPL-2.0-or-later
#include "sword_source.h"

#include <gbffootnotes.h>
#include <gbfheadings.h>
#include <gbfmorph.h>
#include <gbfredletterwords.h>
#include <gbfstrongs.h>
#include <markupfiltmgr.h>
#include <osisfootnotes.h>
#include <osisglosses.h>
#include <osisheadings.h>
#include <osislemma.h>
#include <osismorph.h>
#include <osismorphsegmentation.h>
#include <osisredletterwords.h>
#include <osisscripref.h>
#include <osisstrongs.h>
#include <osisvariants.h>
#include <osisxlit.h>
#include <swlog.h>
#include <swmgr.h>
#include <swmodule.h>
#include <thmlfootnotes.h>
#include <thmlheadings.h>
#include <thmllemma.h>
#include <thmlmorph.h>
#include <thmlscripref.h>
#include <thmlstrongs.h>
#include <thmlvariants.h>
#include <versekey.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <memory>
#include <string_view>

#include "data/book_ids.h"

namespace skrybon::tool {
namespace {

constexpr std::string_view kBibleType = "Biblical Texts";

// A manager that renders plain UTF-8 and leaves out everything that is not
// the verse text itself.
std::unique_ptr<sword::SWMgr> OpenManager(const SwordLocation& where) {
  // The library's own chatter (missing locales, skipped folders) is not ours
  // to show; real failures reach the user through our messages.
  sword::SWLog::getSystemLog()->setLogLevel(sword::SWLog::LOG_ERROR);
  auto* filters = new sword::MarkupFilterMgr(sword::FMT_PLAIN);  // owned by the manager
  std::unique_ptr<sword::SWMgr> manager =
      where.path.empty() ? std::make_unique<sword::SWMgr>(filters)
                         : std::make_unique<sword::SWMgr>(where.path.c_str(), true, filters, false, false);
  for (const char* option : {"Footnotes", "Strong's Numbers", "Headings", "Cross-references",
                             "Morphological Tags", "Lemmas", "Glosses", "Word Javascript",
                             "Words of Christ in Red", "Morpheme Segmentation", "Transliterated Forms"}) {
    manager->setGlobalOption(option, "Off");
  }
  manager->setGlobalOption("Textual Variants", "Primary Reading");
  return manager;
}

// The library's filters that take notes, Strong's numbers, headings, cross-
// references and the like out of a verse. A module's configuration lists the
// ones its text needs, but a module that forgets one would otherwise have its
// notes rendered into the verse ("[note]", "<H0216>"): every module gets the
// whole set of its markup, switched off. They must outlive the module's use.
class CPlainTextFilters {
 public:
  void AttachTo(sword::SWModule& module, const std::string& sourceType) {
    if (sourceType == "OSIS") {
      Attach<sword::OSISStrongs, sword::OSISFootnotes, sword::OSISHeadings, sword::OSISMorph, sword::OSISLemma,
             sword::OSISScripref, sword::OSISRedLetterWords, sword::OSISGlosses, sword::OSISXlit,
             sword::OSISMorphSegmentation>(module);
      AttachPrimaryReading<sword::OSISVariants>(module);
    } else if (sourceType == "ThML") {
      Attach<sword::ThMLStrongs, sword::ThMLFootnotes, sword::ThMLHeadings, sword::ThMLMorph, sword::ThMLLemma,
             sword::ThMLScripref>(module);
      AttachPrimaryReading<sword::ThMLVariants>(module);
    } else if (sourceType == "GBF") {
      Attach<sword::GBFStrongs, sword::GBFFootnotes, sword::GBFHeadings, sword::GBFMorph,
             sword::GBFRedLetterWords>(module);
    }
  }

 private:
  template <typename... Filters>
  void Attach(sword::SWModule& module) {
    (Add(module, std::make_unique<Filters>(), "Off"), ...);
  }
  template <typename Filter>
  void AttachPrimaryReading(sword::SWModule& module) {
    Add(module, std::make_unique<Filter>(), "Primary Reading");
  }
  void Add(sword::SWModule& module, std::unique_ptr<sword::SWOptionFilter> filter, const char* value) {
    filter->setOptionValue(value);
    module.addOptionFilter(filter.get());
    filters_.push_back(std::move(filter));
  }
  std::vector<std::unique_ptr<sword::SWOptionFilter>> filters_;
};

std::string ConfigEntry(const sword::SWModule& module, const char* key, std::string fallback = {}) {
  const char* value = module.getConfigEntry(key);
  return value ? std::string(value) : fallback;
}

// Runs of white space (line breaks and tabs of the rendering among them)
// become one space; none is left at either end.
std::string CollapseWhiteSpace(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool pendingSpace = false;
  for (const char c : text) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
      pendingSpace = !out.empty();
      continue;
    }
    if (pendingSpace) out += ' ';
    pendingSpace = false;
    out += c;
  }
  return out;
}

std::optional<std::string> CollectVerses(sword::SWModule& module, CTranslationBuilder& builder) {
  auto* key = dynamic_cast<sword::VerseKey*>(module.getKey());
  if (key == nullptr) return "module " + std::string(module.getName()) + " is not arranged by verses";
  key->setIntros(false);
  module.setSkipConsecutiveLinks(true);
  std::size_t verses = 0;
  for (module.setPosition(sword::TOP); !module.popError(); module.increment()) {
    const std::string text = CollapseWhiteSpace(module.renderText().c_str());
    if (text.empty()) continue;  // a verse the module lacks: the builder fills and reports it
    const int book = BookFromOsisId(builder.Id(), key->getOSISBookName());
    if (book < 0) {
      builder.Reject(std::string(key->getOSISRef()) + " (a book " +
                     std::string(TranslationCode(builder.Id())) + " does not have)");
      continue;
    }
    builder.AddVerse(book, key->getChapter(), key->getVerse(), text);
    ++verses;
  }
  if (verses == 0) return "module " + std::string(module.getName()) + " has no verses";
  return std::nullopt;
}

}  // namespace

std::vector<SwordModuleInfo> ListSwordBibles(const SwordLocation& where) {
  const auto manager = OpenManager(where);
  std::vector<SwordModuleInfo> modules;
  for (const auto& [name, module] : manager->getModules()) {
    if (module->getType() != kBibleType) continue;
    modules.push_back({module->getName(), module->getLanguage() ? module->getLanguage() : "",
                       ConfigEntry(*module, "Versification", "KJV"),
                       CollapseWhiteSpace(module->getDescription() ? module->getDescription() : "")});
  }
  std::sort(modules.begin(), modules.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  return modules;
}

std::optional<std::string> CollectSwordModule(const SwordLocation& where, const std::string& name,
                                              CTranslationBuilder& builder) {
  try {
    const auto manager = OpenManager(where);
    sword::SWModule* module = manager->getModule(name.c_str());
    const std::string place = where.path.empty() ? "the installed modules" : where.path;
    if (module == nullptr) return "module " + name + " not found in " + place;
    if (module->getType() != kBibleType) {
      return "module " + name + " is not a Bible text (" + std::string(module->getType()) + ")";
    }
    // An enciphered module names a key in its configuration; without one its
    // text is unreadable.
    if (module->getConfigEntry("CipherKey") != nullptr && ConfigEntry(*module, "CipherKey").empty()) {
      return "module " + name + " is locked: it is enciphered and no key was entered";
    }
    CPlainTextFilters filters;  // outlives the reading below, not the manager's own filters
    filters.AttachTo(*module, ConfigEntry(*module, "SourceType", "Plaintext"));
    return CollectVerses(*module, builder);
  } catch (const std::exception& e) {
    return "the SWORD library failed reading module " + name + ": " + e.what();
  } catch (...) {
    return "the SWORD library failed reading module " + name;
  }
}

}  // namespace skrybon::tool
