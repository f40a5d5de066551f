// SPDX-License-Identifier: GPL-2.0-or-later
#include "sword_source.h"

#include <strings.h>

#include <bz2comprs.h>
#include <gbffootnotes.h>
#include <gbfheadings.h>
#include <gbfmorph.h>
#include <gbfredletterwords.h>
#include <gbfstrongs.h>
#include <lzsscomprs.h>
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
#include <swcipher.h>
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
#include <xzcomprs.h>
#include <zipcomprs.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <exception>
#include <memory>
#include <string_view>
#include <typeinfo>
#include <variant>

#include "data/book_ids.h"
#include "data/codepage.h"
#include "sword_data_check.h"

namespace skrybon::tool {
namespace {

// The plain text of the longest Bible with every note is under 10 MB: a
// module that gives more is not read to the end.
constexpr std::size_t kLargestModuleText = std::size_t{64} << 20;

// A manager that leaves the footnotes filter out of what a module's
// configuration asks for: the importer runs its own, only on verses with a
// note, for the filter parses the verse's reference on every call, costing a
// quarter of the import, notes or not. The modules are loaded after
// construction, when this override is in place.
class CPlainTextManager : public sword::SWMgr {
 public:
  using SWMgr::SWMgr;

 protected:
  void addGlobalOptionFilters(sword::SWModule* module, sword::ConfigEntMap& section) override {
    sword::ConfigEntMap others;
    for (const auto& [key, value] : section) {
      if (key != "GlobalOptionFilter" || !value.endsWith("Footnotes")) others.insert({key, value});
    }
    SWMgr::addGlobalOptionFilters(module, others);
  }
};

// A manager that renders plain UTF-8 and leaves out everything that is not
// the verse text itself.
std::unique_ptr<sword::SWMgr> OpenManager(const SwordLocation& where) {
  // The library's own chatter (missing locales, skipped folders) is not ours
  // to show; real failures reach the user through our messages.
  sword::SWLog::getSystemLog()->setLogLevel(sword::SWLog::LOG_ERROR);
  auto* filters = new sword::MarkupFilterMgr(sword::FMT_PLAIN);  // owned by the manager
  std::unique_ptr<sword::SWMgr> manager =
      where.path.empty() ? std::make_unique<CPlainTextManager>(nullptr, nullptr, false, filters)
                         : std::make_unique<CPlainTextManager>(where.path.c_str(), false, filters, false, false);
  manager->load();
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
//
// The library also keeps each verse's words, notes and headings beside its
// text (entry attributes); building them (a map entry for every word with a
// Strong's number, every note's references parsed) cost three times the
// rendering itself, and nothing here uses them. Only the headings filter
// reads the flag for more than that: with it, canonical titles (the Psalms')
// are left out of the text as well. So a verse passes the headings filter
// first with the flag, then the rest without it. The footnotes filter runs
// only on verses that may hold a note (see CPlainTextManager).
class CPlainTextFilters {
 public:
  void AttachTo(sword::SWModule& module, const std::string& sourceType) {
    if (sourceType == "OSIS") {
      Attach<sword::OSISStrongs, sword::OSISMorph, sword::OSISLemma, sword::OSISScripref,
             sword::OSISRedLetterWords, sword::OSISGlosses, sword::OSISXlit, sword::OSISMorphSegmentation>(module);
      AttachPrimaryReading<sword::OSISVariants>(module);
      headings_ = Off(std::make_unique<sword::OSISHeadings>());
      footnotes_ = Off(std::make_unique<sword::OSISFootnotes>());
      noteMark_ = "<note";  // XML: no note begins without it
    } else if (sourceType == "ThML") {
      Attach<sword::ThMLStrongs, sword::ThMLMorph, sword::ThMLLemma, sword::ThMLScripref>(module);
      AttachPrimaryReading<sword::ThMLVariants>(module);
      headings_ = Off(std::make_unique<sword::ThMLHeadings>());
      footnotes_ = Off(std::make_unique<sword::ThMLFootnotes>());
    } else if (sourceType == "GBF") {
      Attach<sword::GBFStrongs, sword::GBFMorph, sword::GBFRedLetterWords>(module);
      headings_ = Off(std::make_unique<sword::GBFHeadings>());
      footnotes_ = Off(std::make_unique<sword::GBFFootnotes>());
    }
  }

  // The plain text of `entry`, the module's current verse as stored.
  std::string Render(sword::SWModule& module, sword::SWBuf entry) const {
    if (headings_) {
      module.setProcessEntryAttributes(true);
      headings_->processText(entry, module.getKey(), &module);
      module.getEntryAttributes().clear();
      module.setProcessEntryAttributes(false);
    }
    if (footnotes_ && std::string_view(entry.c_str(), entry.length()).find(noteMark_) != std::string_view::npos) {
      footnotes_->processText(entry, module.getKey(), &module);
    }
    // Given the text, the library renders it without entry attributes.
    return module.renderText(entry.c_str(), static_cast<int>(entry.length())).c_str();
  }

 private:
  template <typename... Filters>
  void Attach(sword::SWModule& module) {
    (Add(module, Off(std::make_unique<Filters>())), ...);
  }
  template <typename Filter>
  void AttachPrimaryReading(sword::SWModule& module) {
    auto filter = std::make_unique<Filter>();
    filter->setOptionValue("Primary Reading");
    Add(module, std::move(filter));
  }
  static std::unique_ptr<sword::SWOptionFilter> Off(std::unique_ptr<sword::SWOptionFilter> filter) {
    filter->setOptionValue("Off");
    return filter;
  }
  // A filter the module already has (its configuration names it) would only
  // pass over every verse again for nothing.
  void Add(sword::SWModule& module, std::unique_ptr<sword::SWOptionFilter> filter) {
    const auto& present = module.getOptionFilters();
    const sword::SWOptionFilter& added = *filter;
    const std::type_info& type = typeid(added);
    if (std::any_of(present.begin(), present.end(), [&](const sword::SWOptionFilter* other) {
          return typeid(*other) == type;
        })) {
      return;
    }
    module.addOptionFilter(filter.get());
    filters_.push_back(std::move(filter));
  }
  std::vector<std::unique_ptr<sword::SWOptionFilter>> filters_;
  std::unique_ptr<sword::SWOptionFilter> headings_;
  std::unique_ptr<sword::SWOptionFilter> footnotes_;
  std::string_view noteMark_;  // the footnotes filter runs on verses holding it
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

bool SameName(const std::string& a, const char* b) { return ::strcasecmp(a.c_str(), b) == 0; }

// What the library does to a stored block before reading it: deciphers it
// with the module's key, if any, and decompresses it with the compressor its
// CompressType names (LZSS when it names none).
SwordBlockDecoder BlockDecoder(const sword::SWModule& module) {
  return [type = ConfigEntry(module, "CompressType", "LZSS"),
          key = ConfigEntry(module, "CipherKey")](std::string stored) -> std::optional<std::string> {
    std::unique_ptr<sword::SWCompress> compressor;
    if (SameName(type, "ZIP")) compressor = std::make_unique<sword::ZipCompress>();
    if (SameName(type, "LZSS")) compressor = std::make_unique<sword::LZSSCompress>();
    if (SameName(type, "BZIP2")) compressor = std::make_unique<sword::Bzip2Compress>();
    if (SameName(type, "XZ")) compressor = std::make_unique<sword::XzCompress>();
    if (!compressor || stored.empty()) return std::nullopt;
    unsigned long size = stored.size();
    if (!key.empty()) {
      sword::SWCipher cipher(reinterpret_cast<unsigned char*>(const_cast<char*>(key.c_str())));
      cipher.setCipheredBuf(&size, stored.data());
      stored.assign(cipher.getUncipheredBuf(), size);
    }
    // A block that does not decompress is reported as a damaged entry, not
    // in the library's words.
    sword::SWLog::getSystemLog()->setLogLevel(0);
    compressor->setCompressedBuf(&size, stored.data());
    unsigned long length = 0;
    const char* text = compressor->getUncompressedBuf(&length);
    sword::SWLog::getSystemLog()->setLogLevel(sword::SWLog::LOG_ERROR);
    if (text == nullptr || length == 0) return std::nullopt;
    return std::string(text, length);
  };
}

// Walks every verse of the module's versification: a verse whose entry is
// damaged is counted and never handed to the library to read, a verse linked
// to the one before it (the same entry) is taken once.
std::optional<std::string> CollectVerses(sword::SWModule& module, const CPlainTextFilters& filters,
                                         CTranslationBuilder& builder, ProblemCount& damaged) {
  const std::string name = module.getName();
  auto* key = dynamic_cast<sword::VerseKey*>(module.getKey());  // moving it moves the module
  if (key == nullptr) return "module " + name + " is not arranged by verses";
  auto opened = CSwordDataCheck::Open(ConfigEntry(module, "AbsoluteDataPath"), ConfigEntry(module, "ModDrv"),
                                      BlockDecoder(module));
  if (const auto* error = std::get_if<std::string>(&opened)) return "module " + name + " cannot be read: " + *error;
  auto& check = std::get<CSwordDataCheck>(opened);
  const bool utf8 = SameName(ConfigEntry(module, "Encoding"), "UTF-8");
  key->setIntros(false);
  std::array<std::uint64_t, 3> lastPlace{};
  std::size_t verses = 0;
  std::size_t textSize = 0;
  for (key->setPosition(sword::TOP); !key->popError(); key->increment()) {
    const SwordEntry entry = check.Look(key->getTestament(), key->getTestamentIndex());
    if (entry.state == SwordEntry::State::Absent || entry.place == lastPlace) continue;
    lastPlace = entry.place;
    const std::string place = key->getOSISRef();
    if (entry.state == SwordEntry::State::Damaged) {
      damaged.Add(place + " (" + entry.problem + ")");
      continue;
    }
    const sword::SWBuf& raw = module.getRawEntryBuf();
    if (utf8 && FirstInvalidUtf8(std::string_view(raw.c_str(), raw.length()))) {
      damaged.Add(place + " (text that is not valid UTF-8, the module's Encoding)");
      continue;
    }
    const std::string text = CollapseWhiteSpace(filters.Render(module, raw));
    if (text.empty()) continue;  // a verse the module lacks: the builder fills and reports it
    if ((textSize += text.size()) > kLargestModuleText) {
      return "module " + name + " holds more text than any Bible (over " +
             std::to_string(kLargestModuleText >> 20) + " MB)";
    }
    const int book = BookFromOsisId(builder.Id(), key->getOSISBookName());
    if (book < 0) {
      builder.Reject(place + " (a book " + std::string(TranslationCode(builder.Id())) + " does not have)");
      continue;
    }
    builder.AddVerse(book, key->getChapter(), key->getVerse(), text);
    ++verses;
  }
  if (verses == 0 && damaged.count == 0) return "module " + name + " has no verses";
  return std::nullopt;
}

}  // namespace

std::vector<SwordModuleInfo> ListSwordBibles(const SwordLocation& where) {
  const auto manager = OpenManager(where);
  std::vector<SwordModuleInfo> modules;
  for (const auto& [name, module] : manager->getModules()) {
    if (module->getType() != kSwordBibleType) continue;
    modules.push_back({module->getName(), module->getLanguage() ? module->getLanguage() : "",
                       ConfigEntry(*module, "Versification", "KJV"),
                       CollapseWhiteSpace(module->getDescription() ? module->getDescription() : "")});
  }
  std::sort(modules.begin(), modules.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  return modules;
}

std::optional<std::string> CollectSwordModule(const SwordLocation& where, const std::string& name,
                                              CTranslationBuilder& builder, ProblemCount& damaged) {
  try {
    const auto manager = OpenManager(where);
    sword::SWModule* module = manager->getModule(name.c_str());
    const std::string place = where.path.empty() ? "the installed modules" : where.path;
    if (module == nullptr) return "module " + name + " not found in " + place;
    if (module->getType() != kSwordBibleType) {
      return "module " + name + " is not a Bible text (" + std::string(module->getType()) + ")";
    }
    // An enciphered module names a key in its configuration; without one its
    // text is unreadable.
    if (module->getConfigEntry("CipherKey") != nullptr && ConfigEntry(*module, "CipherKey").empty()) {
      return "module " + name + " is locked: it is enciphered and no key was entered";
    }
    CPlainTextFilters filters;  // outlives the reading below, not the manager's own filters
    filters.AttachTo(*module, ConfigEntry(*module, "SourceType", "Plaintext"));
    return CollectVerses(*module, filters, builder, damaged);
  } catch (const std::exception& e) {
    return "the SWORD library failed reading module " + name + ": " + e.what();
  } catch (...) {
    return "the SWORD library failed reading module " + name;
  }
}

}  // namespace skrybon::tool
