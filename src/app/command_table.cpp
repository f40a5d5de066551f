// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/command_table.h"

#include <array>

#include "ui/command_ids.h"

namespace skrybon {
namespace {

constexpr CCommandInfo kCommands[] = {
    {ID_FILE_NEW_BG, "Biblia &Gdańska\tCtrl+G", "Ctrl+G",
     "Otwieta okno z tłumaczeniem Biblii Gdańskiej", "Tłumaczenie Biblii Gdańskiej"},
    {ID_FILE_NEW_BW, "Biblia &Warszawska\tCtrl+W", "Ctrl+W",
     "Otwiera okno z tłumaczeniem Biblii Warszawskiej", "Tłumaczenie Biblii Warszawskiej."},
    {ID_FILE_NEW_BT, "Biblia &Tysiąclecia\tCtrl+T", "Ctrl+T",
     "Otwiera okno z tłumaczeniem Biblii Tysiąclecia", "Tłumaczenie Biblii Tysiąclecia."},
    {ID_SAVE_SELECTED_VERSES, "&Zaznaczone wersety...\tCtrl+S", "Ctrl+S",
     "Zapisuje zaznaczone wersety do pliku tekstowego", "Zapisuje wersety do pliku"},
    {ID_SAVE_FOUND_VERSES, "&Listę znalezionych wersetów...", "",
     "Zapisuje znalezione wersety do pliku tekstowego", "Zapisuje znalezione wersety"},
    {ID_SAVE_CLIPBOARD, "Zawartość &schowka...", "",
     "Zapisuje zawartość schowka do pliku tekstowego", "Zapisuje zawartość schowka"},
    {ID_FILE_PRINT, "&Drukuj...\tCtrl+P", "Ctrl+P", "Drukuje zaznaczone wersety", "Drukuje wersety"},
    {ID_FILE_PRINT_PREVIEW, "&Podgląd wydruku...", "", "Pokazuje strony wydruku zaznaczonych wersetów",
     "Podgląd wydruku"},
    {ID_APP_EXIT, "&Zakończ", "", "Kończy pracę z programem", "Wyjście"},
    {ID_EDIT_COPY, "&Kopiuj/Dołącz\tCtrl+C", "Ctrl+C",
     "Kopiuje lub dołącza zazaczony fragment do schowka", "Kopiuje lub dołącza"},
    {ID_CLIPBOARD_CLEAR, "&Wyczyść", "", "Wymazuje zawartość schowka", "Kasuje zawartość schowka"},
    {ID_EDIT_SELECT_ALL, "Zaznacz wszystko\tCtrl+A", "Ctrl+A",
     "Zaznacza wszystkie wersety w rozdziale", "Zaznacza wszystkie"},
    {ID_CLIPBOARD_MODE, "&Tryb schowka", "",
     "Włącza lub wyłącza tryb kopiowania/dołączania do schowka", "Przełącza tryb schowka"},
    {ID_GOTO_BOOK, "&Księga\tCtrl+K", "Ctrl+K", "Przechodzi do okienka wyboru księgi", "Wybór księgi"},
    {ID_GOTO_CHAPTER, "&Rozdział\tCtrl+R", "Ctrl+R", "Przechodzi do okienka wyboru rozdziału",
     "Wybór rozdziału"},
    {ID_GOTO_VERSE, "W&erset\tCtrl+E", "Ctrl+E", "Przechodzi do okienka wyboru wersetu",
     "Wybór wersetu"},
    {ID_OPEN_PLACE, "&Otwórz\tCtrl+O", "Ctrl+O", "Otwiera - wyświetla wybrany werset",
     "Wyświetla werset"},
    {ID_PREV_BOOK, "&Księga\tCtrl+Up", "Ctrl+Up", "Przechodzi do poprzedniej księgi",
     "Poprzednia księga"},
    {ID_PREV_CHAPTER, "&Rozdział\tCtrl+Left", "Ctrl+Left", "Przechodzi do poprzedniego rozdziału",
     "Poprzedni rozdział"},
    {ID_NEXT_BOOK, "&Księga\tCtrl+Down", "Ctrl+Down", "Przechodzi do następnej księgi",
     "Następna księga"},
    {ID_NEXT_CHAPTER, "&Rozdział\tCtrl+Right", "Ctrl+Right", "Przechodzi do następnego rozdziału",
     "Następny rozdział"},
    {ID_COMPARE_BG, "Biblia &Gdańska\tCtrl+Shift+G", "Ctrl+Shift+G",
     "Otwieta okno z tłumaczeniem Biblii Gdańskiej z tym samym wersetem",
     "Tłumaczenie Biblii Gdańskiej"},
    {ID_COMPARE_BW, "Biblia &Warszawska\tCtrl+Shift+W", "Ctrl+Shift+W",
     "Otwieta okno z tłumaczeniem Biblii Warszawskiej z tym samym wersetem",
     "Tłumaczenie Biblii Warszawskiej"},
    {ID_COMPARE_BT, "Biblia &Tysiąclecia\tCtrl+Shift+T", "Ctrl+Shift+T",
     "Otwieta okno z tłumaczeniem Biblii Tysiąclecia z tym samym wersetem",
     "Tłumaczenie Biblii Tysiąclecia"},
    {ID_SEARCH, "&Znajdź...\tCtrl+Z", "Ctrl+Z", "Otwiera okno do szukania wyrazów w Biblii",
     "Szuka wyrazów w Biblii"},
    {ID_GOTO_FOUND_LIST, "&Lista wersetów\tCtrl+L", "Ctrl+L",
     "Przechodzi do listy znalezionych wersetów", "Przechodzi do listy wersetów"},
    {ID_TARNEL, "&Tarnel\tCtrl+M", "Ctrl+M", "Wyświetla tekst Tarnela", "Tekst Tarnela"},
    {ID_EDIT_ALIASES_BG, "Biblia &Gdańska", "",
     "Edytuje aliasy nazw ksiąg dla tłumaczenia Biblii Gdańskiej",
     "Edycja aliasów dla Biblii Gdańskiej"},
    {ID_EDIT_ALIASES_BW, "Biblia &Warszawska", "",
     "Edytuje aliasy nazw ksiąg dla tłumaczenia Biblii Warszawskiej",
     "Edycja aliasów dla Biblii Warszawskiej"},
    {ID_EDIT_ALIASES_BT, "Biblia &Tysiąclecia", "",
     "Edytuje aliasy nazw ksiąg dla tłumaczenia Biblii Tysiąclecia",
     "Edycja aliasów dla Biblii Tysiąclecia"},
    {ID_ADD_TRANSLATION, "&Dodaj przekład...", "",
     "Dodaje przekład Biblii z pliku TSV, OSIS lub Zefania XML albo z modułu SWORD", "Dodaje przekład"},
    {ID_DOWNLOAD_TRANSLATION, "&Pobierz przekład...", "",
     "Pobiera przekład Biblii z repozytorium SWORD w internecie i dodaje go", "Pobiera przekład"},
    {ID_VIEW_TOOLBAR, "&Narzędzia", "", "Pokazuje lub ukrywa pasek narzędzi",
     "Przełącza pasek narzędzi"},
    {ID_VIEW_NAVIGATION_BAR, "&Pasek nawigacyjny", "", "Pokazuje lub ukrywa pasek nawigacyjny",
     "Przełącza pasek nawigacyjny"},
    {ID_VIEW_FOUND_VERSES_BAR, "Lista &wersetów", "",
     "Pokazuje lub ukrywa listę znalezionych wersetów", "Przełącza listę wersetów"},
    {ID_VIEW_STATUS_BAR, "&Linia statusu", "", "Pokazuje lub ukrywa linię statusu",
     "Przęłącza linię statusu"},
    {ID_VIEW_COLORS, "&Kolory...", "", "Zmienia ustawienia kolorów", "Zmienia kolory"},
    {ID_VIEW_FONT, "&Czcionki...", "", "Zmienia ustawienia czcionki", "Ustawienia czcionki"},
    {ID_VIEW_FOUND_WORDS, "Wyróżniaj &znalezione wyrazy", "",
     "Wyróżnia kolorem wyrazy znalezione przez ostatnie szukanie", "Wyróżnia znalezione wyrazy"},
    {ID_VIEW_ZOOM_IN, "Większy &tekst\tCtrl++", "Ctrl++; Ctrl+=", "Powiększa tekst wersetów we wszystkich oknach",
     "Większy tekst"},
    {ID_VIEW_ZOOM_OUT, "&Mniejszy tekst\tCtrl+-", "Ctrl+-", "Zmniejsza tekst wersetów we wszystkich oknach",
     "Mniejszy tekst"},
    {ID_VIEW_ZOOM_RESET, "P&rzywróć rozmiar tekstu\tCtrl+0", "Ctrl+0",
     "Przywraca rozmiar tekstu sprzed powiększania i zmniejszania", "Przywraca rozmiar tekstu"},
    {ID_VIEW_RESTORE_SESSION, "&Otwieraj okna z poprzedniej sesji", "",
     "Po uruchomieniu otwiera okna, które były otwarte przy zamknięciu programu", "Okna z poprzedniej sesji"},
    {ID_WINDOW_CASCADE, "&Kaskada", "", "Rozmieszcza kaskadowo - okna zachodzą na siebie",
     "Kaskada okien"},
    {ID_WINDOW_TILE_VERT, "Sąsia&dująco w pionie", "", "Rozmieszcza okna sąsiadująco w pionie",
     "Rozmieszcza w pionie"},
    {ID_WINDOW_TILE_HORZ, "&Sąsiadująco w poziomie", "", "Rozmieszcza okna sąsiadująco w poziomie",
     "Rozmieszcza w poziomie"},
    {ID_WINDOW_ARRANGE, "&Rozmieść ikony", "", "Rozmieszcza ikony w dole okna", "Rozmieszcza ikony"},
    {ID_WINDOW_CLOSE, "&Zamknij", "", "Zamyka aktywne okno", "Zamyka bieżące okno"},
    {ID_WINDOW_CLOSE_ALL, "Zamknij &wszystkie", "", "Zamyka wszystkie okna", "Zamyka wszystkie okna"},
    {ID_HELP_FINDER, "&Tematy pomocy...", "", "Otwiera Pomoc", "Tematy Pomocy"},
    {ID_HELP_SEARCH, "&Pomoc na temat...", "", "Szuka tematów pomocy", "Szuka pomocy"},
    {ID_HELP_USING, "&Jak korzystać z pomocy...", "", "Wyświetla wskazówki jak korzystać z Pomocy",
     "Pomoc"},
    {ID_APP_ABOUT, "&O programie...", "", "Wyświetla informacje o programie; prawa autorskie",
     "O programie"},
    // Accelerators without menu items; nothing handles them.
    {ID_HELP, "", "F1", "", ""},
    {ID_CONTEXT_HELP, "", "Shift+F1", "", ""},
    {ID_NEXT_PANE, "", "F6", "", ""},
    {ID_PREV_PANE, "", "Shift+F6", "", ""},
};

#define SUB(title) {kSubmenuBegin, title}
#define END {kSubmenuEnd, ""}
#define SEP {kMenuSeparator, ""}
#define CMD(id) {id, ""}


constexpr CMenuEntry kMenu140[] = {
    SUB("&Plik"), CMD(ID_FILE_NEW_BG), CMD(ID_FILE_NEW_BW), CMD(ID_FILE_NEW_BT), SEP,
    CMD(ID_APP_EXIT), END,
    SUB("S&chowek"), CMD(ID_CLIPBOARD_MODE), END,
    SUB("&Szukanie"), CMD(ID_SEARCH), END,
    SUB("&Zasoby"), CMD(ID_TARNEL), SEP, SUB("Edycja aliasów"), CMD(ID_EDIT_ALIASES_BG),
    CMD(ID_EDIT_ALIASES_BW), CMD(ID_EDIT_ALIASES_BT), END, SEP, CMD(ID_ADD_TRANSLATION), CMD(ID_DOWNLOAD_TRANSLATION), END,
    SUB("&Widok"), CMD(ID_VIEW_TOOLBAR), CMD(ID_VIEW_NAVIGATION_BAR), CMD(ID_VIEW_FOUND_VERSES_BAR),
    CMD(ID_VIEW_STATUS_BAR), SEP, CMD(ID_VIEW_COLORS), CMD(ID_VIEW_FONT), SEP, CMD(ID_VIEW_FOUND_WORDS),
    CMD(ID_VIEW_ZOOM_IN), CMD(ID_VIEW_ZOOM_OUT), CMD(ID_VIEW_ZOOM_RESET), SEP, CMD(ID_VIEW_RESTORE_SESSION), END,
    SUB("Pomo&c"), CMD(ID_HELP_FINDER), CMD(ID_HELP_SEARCH), CMD(ID_HELP_USING), SEP,
    CMD(ID_APP_ABOUT), END,
};

constexpr CMenuEntry kMenu141[] = {
    SUB("&Plik"), CMD(ID_FILE_NEW_BG), CMD(ID_FILE_NEW_BW), CMD(ID_FILE_NEW_BT), SEP,
    SUB("Z&apisz"), CMD(ID_SAVE_SELECTED_VERSES), CMD(ID_SAVE_FOUND_VERSES), CMD(ID_SAVE_CLIPBOARD),
    END, CMD(ID_FILE_PRINT), CMD(ID_FILE_PRINT_PREVIEW), SEP, CMD(ID_APP_EXIT), END,
    SUB("S&chowek"), CMD(ID_EDIT_COPY), CMD(ID_CLIPBOARD_CLEAR), CMD(ID_EDIT_SELECT_ALL), SEP,
    CMD(ID_CLIPBOARD_MODE), END,
    SUB("&Otwórz"), CMD(ID_GOTO_BOOK), CMD(ID_GOTO_CHAPTER), CMD(ID_GOTO_VERSE), SEP,
    CMD(ID_OPEN_PLACE), SEP, SUB("&Poprzednia"), CMD(ID_PREV_BOOK), CMD(ID_PREV_CHAPTER), END,
    SUB("&Następna"), CMD(ID_NEXT_BOOK), CMD(ID_NEXT_CHAPTER), END, SEP,
    SUB("&Porównaj z ..."), CMD(ID_COMPARE_BG), CMD(ID_COMPARE_BW), CMD(ID_COMPARE_BT), END, END,
    SUB("&Szukanie"), CMD(ID_SEARCH), CMD(ID_GOTO_FOUND_LIST), END,
    SUB("&Zasoby"), CMD(ID_TARNEL), SEP, SUB("Edycja aliasów"), CMD(ID_EDIT_ALIASES_BG),
    CMD(ID_EDIT_ALIASES_BW), CMD(ID_EDIT_ALIASES_BT), END, SEP, CMD(ID_ADD_TRANSLATION), CMD(ID_DOWNLOAD_TRANSLATION), END,
    SUB("&Widok"), CMD(ID_VIEW_TOOLBAR), CMD(ID_VIEW_NAVIGATION_BAR), CMD(ID_VIEW_FOUND_VERSES_BAR),
    CMD(ID_VIEW_STATUS_BAR), SEP, CMD(ID_VIEW_COLORS), CMD(ID_VIEW_FONT), SEP, CMD(ID_VIEW_FOUND_WORDS),
    CMD(ID_VIEW_ZOOM_IN), CMD(ID_VIEW_ZOOM_OUT), CMD(ID_VIEW_ZOOM_RESET), SEP, CMD(ID_VIEW_RESTORE_SESSION), END,
    SUB("O&kna"), CMD(ID_WINDOW_CASCADE), CMD(ID_WINDOW_TILE_VERT), CMD(ID_WINDOW_TILE_HORZ),
    CMD(ID_WINDOW_ARRANGE), SEP, CMD(ID_WINDOW_CLOSE), CMD(ID_WINDOW_CLOSE_ALL), END,
    SUB("Pomo&c"), CMD(ID_HELP_FINDER), CMD(ID_HELP_SEARCH), CMD(ID_HELP_USING), SEP,
    CMD(ID_APP_ABOUT), END,
};

// The context menu's items carry no accelerator text; the frame gives them
// the titles below.
constexpr CMenuEntry kMenu145[] = {
    SUB("&Nowe okno"), {ID_FILE_NEW_BG, "Biblia &Gdańska"}, {ID_FILE_NEW_BW, "Biblia &Warszawska"},
    {ID_FILE_NEW_BT, "Biblia &Tysiąclecia"}, SEP, {ID_SEARCH, "Znaj&dź..."}, END,
};

#undef SUB
#undef END
#undef SEP
#undef CMD

constexpr int kToolBar[] = {
    ID_FILE_NEW_BG, ID_FILE_NEW_BW, ID_FILE_NEW_BT, 0,
    ID_FILE_PRINT, ID_SAVE_SELECTED_VERSES, 0,
    ID_EDIT_COPY, ID_EDIT_SELECT_ALL, ID_CLIPBOARD_CLEAR, ID_CLIPBOARD_MODE, ID_SAVE_CLIPBOARD, 0,
    ID_PREV_BOOK, ID_PREV_CHAPTER, ID_NEXT_CHAPTER, ID_NEXT_BOOK, 0,
    ID_SEARCH, ID_SAVE_FOUND_VERSES, 0,
    ID_VIEW_COLORS, ID_VIEW_FONT, 0,
    ID_WINDOW_CASCADE, ID_WINDOW_TILE_VERT, ID_WINDOW_TILE_HORZ, ID_WINDOW_CLOSE, 0,
    ID_APP_ABOUT,
};

}  // namespace

std::span<const CCommandInfo> AllCommands() { return kCommands; }

const CCommandInfo* FindCommand(int id) {
  for (const CCommandInfo& c : kCommands)
    if (c.id == id) return &c;
  return nullptr;
}

std::span<const CMenuEntry> MenuLayout(int menuId) {
  switch (menuId) {
    case IDR_MENU_NO_WINDOW: return kMenu140;
    case IDR_MENU_WITH_WINDOW: return kMenu141;
    case IDR_CONTEXT_MENU: return kMenu145;
    default: return {};
  }
}

std::span<const int> ToolBarLayout() { return kToolBar; }

}  // namespace skrybon
