// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/help_topics.h"

#include <algorithm>

#include "data/codepage.h"
#include "ui/command_ids.h"

namespace skrybon {
namespace {

constexpr CHelpTopic kTopics[] = {
    {"index.html", "Spis treści", "spis treści;tematy pomocy"},
    {"czytanie.html", "Okna czytania",
     "okno czytania;nowe okno;rozdział;werset;zaznaczanie wersetów;zaznacz wszystko;okna;kaskada;"
     "sąsiadująco;zamykanie okien;tytuł okna;zakończenie pracy"},
    {"miejsca.html", "Przechodzenie do miejsc",
     "pasek nawigacyjny;księga;wpisywanie miejsca;skróty nazw ksiąg;następny rozdział;poprzedni rozdział;"
     "następna księga;poprzednia księga;historia;ostatnie miejsca;otwórz"},
    {"szukanie.html", "Szukanie wyrazów",
     "szukanie;znajdź;operator;LUB;I;NIE;całe wyrazy;początek wyrazu;wielkość liter;lista wersetów;"
     "znalezione wersety;przerwij"},
    {"porownanie.html", "Porównywanie przekładów",
     "porównanie;przekład;tłumaczenie;Biblia Gdańska;Biblia Warszawska;Biblia Tysiąclecia;księgi deuterokanoniczne"},
    {"schowek.html", "Schowek i tryb dołączania", "schowek;kopiowanie;dołączanie;tryb schowka;cytat;wyczyść schowek"},
    {"zapisywanie.html", "Zapisywanie do plików",
     "zapisywanie;plik tekstowy;zaznaczone wersety;lista znalezionych wersetów;zawartość schowka;kodowanie"},
    {"drukowanie.html", "Drukowanie", "drukowanie;wydruk;podgląd wydruku;drukarka;nagłówek;stopka;numery stron;marginesy"},
    {"wyglad.html", "Kolory, czcionka i paski",
     "kolory;czcionka;wygląd;pasek narzędzi;linia statusu;pasek stanu;zegar;ustawienia"},
    {"aliasy.html", "Nazwy ksiąg i pliki aliasów", "aliasy;edycja aliasów;nazwy ksiąg;skróty;plik aliasów"},
    {"dane.html", "Folder danych i program skrybon-tool",
     "folder danych;pliki danych;skrybon-tool;import;sprawdzanie danych;Tarnel;zasoby"},
    {"teksty.html", "Skąd wziąć tekst Biblii",
     "tekst Biblii;dodaj przekład;dodawanie przekładu;import;moduł SWORD;PolGdanska;prawa autorskie;"
     "domena publiczna;TSV;OSIS;Zefania XML"},
    {"klawisze.html", "Klawisze", "klawisze;skróty klawiszowe;klawiatura"},
    {"pomoc.html", "Jak korzystać z pomocy", "pomoc;indeks;szukanie w pomocy;co to jest;F1"},
};

struct CCommandPage {
  int command;
  std::string_view page;
};

constexpr CCommandPage kCommandPages[] = {
    {ID_FILE_NEW_BG, "czytanie.html"}, {ID_FILE_NEW_BW, "czytanie.html"}, {ID_FILE_NEW_BT, "czytanie.html"},
    {ID_APP_EXIT, "czytanie.html"}, {ID_EDIT_SELECT_ALL, "czytanie.html"},
    {ID_WINDOW_CASCADE, "czytanie.html"}, {ID_WINDOW_TILE_VERT, "czytanie.html"},
    {ID_WINDOW_TILE_HORZ, "czytanie.html"}, {ID_WINDOW_ARRANGE, "czytanie.html"},
    {ID_WINDOW_CLOSE, "czytanie.html"}, {ID_WINDOW_CLOSE_ALL, "czytanie.html"},
    {ID_SAVE_SELECTED_VERSES, "zapisywanie.html"}, {ID_SAVE_FOUND_VERSES, "zapisywanie.html"},
    {ID_SAVE_CLIPBOARD, "zapisywanie.html"}, {ID_FILE_PRINT, "drukowanie.html"},
    {ID_FILE_PRINT_PREVIEW, "drukowanie.html"},
    {ID_EDIT_COPY, "schowek.html"}, {ID_CLIPBOARD_CLEAR, "schowek.html"}, {ID_CLIPBOARD_MODE, "schowek.html"},
    {ID_GOTO_BOOK, "miejsca.html"}, {ID_GOTO_CHAPTER, "miejsca.html"}, {ID_GOTO_VERSE, "miejsca.html"},
    {ID_OPEN_PLACE, "miejsca.html"}, {ID_PREV_BOOK, "miejsca.html"}, {ID_PREV_CHAPTER, "miejsca.html"},
    {ID_NEXT_BOOK, "miejsca.html"}, {ID_NEXT_CHAPTER, "miejsca.html"},
    {ID_COMPARE_BG, "porownanie.html"}, {ID_COMPARE_BW, "porownanie.html"}, {ID_COMPARE_BT, "porownanie.html"},
    {ID_SEARCH, "szukanie.html"}, {ID_GOTO_FOUND_LIST, "szukanie.html"},
    {ID_TARNEL, "dane.html"}, {ID_ADD_TRANSLATION, "teksty.html"}, {ID_DOWNLOAD_TRANSLATION, "teksty.html"},
    {ID_EDIT_ALIASES_BG, "aliasy.html"}, {ID_EDIT_ALIASES_BW, "aliasy.html"}, {ID_EDIT_ALIASES_BT, "aliasy.html"},
    {ID_VIEW_TOOLBAR, "wyglad.html"}, {ID_VIEW_NAVIGATION_BAR, "wyglad.html"},
    {ID_VIEW_FOUND_VERSES_BAR, "wyglad.html"}, {ID_VIEW_STATUS_BAR, "wyglad.html"},
    {ID_VIEW_COLORS, "wyglad.html"}, {ID_VIEW_FONT, "wyglad.html"}, {ID_VIEW_FOUND_WORDS, "wyglad.html"},
    {ID_VIEW_ZOOM_IN, "wyglad.html"}, {ID_VIEW_ZOOM_OUT, "wyglad.html"}, {ID_VIEW_ZOOM_RESET, "wyglad.html"},
    {ID_VIEW_RESTORE_SESSION, "wyglad.html"},
    {ID_HELP_FINDER, "pomoc.html"}, {ID_HELP_SEARCH, "pomoc.html"}, {ID_HELP_USING, "pomoc.html"},
    {ID_HELP, "pomoc.html"}, {ID_CONTEXT_HELP, "pomoc.html"},
    {ID_APP_ABOUT, "index.html"},
};

constexpr int kSearchDialog = 106;
constexpr int kNavigationBar = 101;
constexpr int kFoundVersesBar = 115;

#define CONTROL(dialog, control, text) {dialog, control, ControlHelpId(dialog, control), text}

constexpr CControlHelp kControls[] = {
    CONTROL(kSearchDialog, 1017, "Pierwszy szukany wyraz lub wyrażenie (do 200 znaków). Wyrażenie z kilku "
                                 "wyrazów jest szukane dokładnie w tej postaci, ze spacjami."),
    CONTROL(kSearchDialog, 1018, "Drugi szukany wyraz lub wyrażenie, połączony z poprzednim operatorem "
                                 "z listy obok. Puste pole jest pomijane."),
    CONTROL(kSearchDialog, 1019, "Trzeci szukany wyraz lub wyrażenie, połączony z poprzednimi operatorem "
                                 "z listy obok. Puste pole jest pomijane."),
    CONTROL(kSearchDialog, 1020, "Czwarty szukany wyraz lub wyrażenie, połączony z poprzednimi operatorem "
                                 "z listy obok. Puste pole jest pomijane."),
    CONTROL(kSearchDialog, 1021, "Operator między pierwszym a drugim wyrazem: LUB — werset ma zawierać "
                                 "którykolwiek z nich, I — oba, NIE — pierwszy bez drugiego."),
    CONTROL(kSearchDialog, 1022, "Operator dołączający trzeci wyraz do wyniku dwóch pierwszych: LUB, I albo NIE."),
    CONTROL(kSearchDialog, 1023, "Operator dołączający czwarty wyraz do wyniku trzech pierwszych: LUB, I albo NIE."),
    CONTROL(kSearchDialog, 1025, "Szuka w Biblii Gdańskiej."),
    CONTROL(kSearchDialog, 1026, "Szuka w Biblii Warszawskiej."),
    CONTROL(kSearchDialog, 1027, "Szuka w Biblii Tysiąclecia (73 księgi)."),
    CONTROL(kSearchDialog, 1029, "Znajduje tylko całe wyrazy: „łaska” nie znajdzie „łaskawy”. Wyklucza "
                                 "szukanie wyrazów zaczynających się od podanego tekstu."),
    CONTROL(kSearchDialog, 1030, "Znajduje wyrazy zaczynające się od podanego tekstu: „łask” znajdzie "
                                 "„łaska” i „łaskawy”. Wyklucza szukanie tylko całych wyrazów."),
    CONTROL(kSearchDialog, 1031, "Odróżnia wielkie litery od małych: „Pan” nie znajdzie wtedy „pan”."),
    CONTROL(kSearchDialog, 1032, "Otwiera znalezione wersety w nowym oknie wybranego przekładu."),
    CONTROL(kSearchDialog, 1033, "Wpisuje znalezione wersety do bieżącego okna; szukać można wtedy tylko "
                                 "w jego przekładzie."),
    CONTROL(kFoundVersesBar, 1037, "Znalezione wersety bieżącego okna. Wybrany werset zostaje pokazany w oknie."),
    CONTROL(kFoundVersesBar, 1038, "Strzałki przechodzą do poprzedniego lub następnego znalezionego wersetu."),
    // The navigation bar's help ids are fixed numbers of their own.
    {kNavigationBar, 1001, 0x806703EAu, "Strzałki wybierają poprzednią lub następną księgę na liście; "
                                        "przycisk Otwórz pokazuje wybrane miejsce."},
    {kNavigationBar, 1009, 0x806703EFu, "Numer rozdziału do otwarcia; strzałki obok zmieniają go w zakresie księgi."},
    {kNavigationBar, 1013, 0x806703F2u, "Numer wersetu do otwarcia; strzałki obok zmieniają go w zakresie rozdziału."},
    {kNavigationBar, 1015, 0x806703F4u, "Księga do otwarcia. Można tu też wpisać miejsce, np. „1 Kor 13:4” "
                                        "albo „ps 23”, i nacisnąć Enter."},
    {kNavigationBar, 1024, 0x80670413u, "Pokazuje w bieżącym oknie wybraną księgę, rozdział i werset."},
};

#undef CONTROL

// Rank of a lower-cased Windows-1250 byte in Polish alphabetical order:
// letters with diacritics right after their base letter.
int CollationRank(unsigned char c) {
  static constexpr std::string_view kOrder = "a\xB9" "bc\xE6" "de\xEA" "fghijkl\xB3" "mn\xF1" "o\xF3" "pqrs\x9C" "tuvwxyz\x9F\xBF";
  const std::size_t at = kOrder.find(static_cast<char>(c));
  return at == std::string_view::npos ? c * 2 : 'a' * 2 + static_cast<int>(at) * 2 + 1;
}

bool PolishLess(const std::string& a, const std::string& b) {
  const std::string la = Cp1250Lower(Utf8ToCp1250(a));
  const std::string lb = Cp1250Lower(Utf8ToCp1250(b));
  return std::lexicographical_compare(la.begin(), la.end(), lb.begin(), lb.end(), [](char x, char y) {
    return CollationRank(static_cast<unsigned char>(x)) < CollationRank(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::span<const CHelpTopic> HelpTopics() { return kTopics; }

const CHelpTopic* FindHelpTopic(std::string_view page) {
  for (const CHelpTopic& topic : kTopics)
    if (topic.page == page) return &topic;
  return nullptr;
}

std::string_view CommandHelpPage(int commandId) {
  for (const CCommandPage& entry : kCommandPages)
    if (entry.command == commandId) return entry.page;
  return kHelpContentsPage;
}

std::span<const CControlHelp> ControlHelpTable() { return kControls; }

const CControlHelp* FindControlHelp(int dialogId, int controlId) {
  for (const CControlHelp& entry : kControls)
    if (entry.dialogId == dialogId && entry.controlId == controlId) return &entry;
  return nullptr;
}

const CControlHelp* FindControlHelpById(std::uint32_t helpId) {
  for (const CControlHelp& entry : kControls)
    if (entry.helpId == helpId) return &entry;
  return nullptr;
}

std::string_view HelpPageForContext(std::uint32_t helpId) {
  if (helpId >= 0x10000u && helpId <= 0x1FFFFu) return CommandHelpPage(static_cast<int>(helpId - 0x10000u));
  return kHelpContentsPage;
}

std::vector<CHelpIndexEntry> HelpIndex() {
  std::vector<CHelpIndexEntry> index;
  for (const CHelpTopic& topic : kTopics) {
    index.push_back({std::string(topic.title), topic.page});
    std::string_view words = topic.keywords;
    while (!words.empty()) {
      const std::size_t end = words.find(';');
      const std::string_view word = words.substr(0, end);
      if (!word.empty()) index.push_back({std::string(word), topic.page});
      words.remove_prefix(end == std::string_view::npos ? words.size() : end + 1);
    }
  }
  std::stable_sort(index.begin(), index.end(),
                   [](const CHelpIndexEntry& a, const CHelpIndexEntry& b) { return PolishLess(a.word, b.word); });
  return index;
}

std::vector<std::string> HelpQueryWords(std::string_view queryUtf8) {
  const std::string query = Cp1250Lower(Utf8ToCp1250(queryUtf8));
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < query.size()) {
    while (i < query.size() && (query[i] == ' ' || query[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < query.size() && query[i] != ' ' && query[i] != '\t') ++i;
    if (i > start) words.push_back(query.substr(start, i - start));
  }
  return words;
}

bool HelpTextHasAll(std::string_view textUtf8, const std::vector<std::string>& words) {
  const std::string text = Cp1250Lower(Utf8ToCp1250(textUtf8));
  return std::all_of(words.begin(), words.end(),
                     [&text](const std::string& w) { return text.find(w) != std::string::npos; });
}

}  // namespace skrybon
