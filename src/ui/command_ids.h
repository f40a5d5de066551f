// SPDX-License-Identifier: GPL-2.0-or-later
// Numbers of the program's commands, bars and status-bar indicators. Menu
// items, accelerators and tool-bar buttons send these numbers; each bar's
// number is also the command that shows and hides it.
#pragma once

namespace skrybon {

// Opening reading windows ("&Plik", context menu).
inline constexpr int ID_FILE_NEW_BG = 32800;  // "Biblia &Gdańska\tCtrl+G"
inline constexpr int ID_FILE_NEW_BW = 32801;  // "Biblia &Warszawska\tCtrl+W"
inline constexpr int ID_FILE_NEW_BT = 32802;  // "Biblia &Tysiąclecia\tCtrl+T"

// "&Plik" > "Z&apisz" and printing.
inline constexpr int ID_SAVE_SELECTED_VERSES = 32820;  // "&Zaznaczone wersety...\tCtrl+S"
inline constexpr int ID_SAVE_FOUND_VERSES = 32821;     // "&Listę znalezionych wersetów..."
inline constexpr int ID_SAVE_CLIPBOARD = 32822;        // "Zawartość &schowka..."
inline constexpr int ID_FILE_PRINT = 57607;            // "&Drukuj...\tCtrl+P"
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;    // "&Podgląd wydruku..."
inline constexpr int ID_APP_EXIT = 57665;              // "&Zakończ"

// "S&chowek".
inline constexpr int ID_EDIT_COPY = 57634;          // "&Kopiuj/Dołącz\tCtrl+C"
inline constexpr int ID_CLIPBOARD_CLEAR = 32807;    // "&Wyczyść"
inline constexpr int ID_EDIT_SELECT_ALL = 57642;    // "Zaznacz wszystko\tCtrl+A"
inline constexpr int ID_CLIPBOARD_MODE = 32806;     // "&Tryb schowka"

// "&Otwórz".
inline constexpr int ID_GOTO_BOOK = 32817;      // "&Księga\tCtrl+K"
inline constexpr int ID_GOTO_CHAPTER = 32818;   // "&Rozdział\tCtrl+R"
inline constexpr int ID_GOTO_VERSE = 32819;     // "W&erset\tCtrl+E"
inline constexpr int ID_OPEN_PLACE = 32816;     // "&Otwórz\tCtrl+O"
inline constexpr int ID_PREV_BOOK = 32831;      // "&Księga\tCtrl+Up"
inline constexpr int ID_PREV_CHAPTER = 32829;   // "&Rozdział\tCtrl+Left"
inline constexpr int ID_NEXT_BOOK = 32830;      // "&Księga\tCtrl+Down"
inline constexpr int ID_NEXT_CHAPTER = 32828;   // "&Rozdział\tCtrl+Right"
inline constexpr int ID_COMPARE_BG = 32825;     // "Biblia &Gdańska\tCtrl+Shift+G"
inline constexpr int ID_COMPARE_BW = 32826;     // "Biblia &Warszawska\tCtrl+Shift+W"
inline constexpr int ID_COMPARE_BT = 32827;     // "Biblia &Tysiąclecia\tCtrl+Shift+T"

// "&Szukanie".
inline constexpr int ID_SEARCH = 32804;             // "&Znajdź...\tCtrl+Z"
inline constexpr int ID_GOTO_FOUND_LIST = 32823;    // "&Lista wersetów\tCtrl+L"

// "&Zasoby".
inline constexpr int ID_TARNEL = 32832;         // "&Tarnel\tCtrl+M"
inline constexpr int ID_EDIT_ALIASES_BG = 32833;
inline constexpr int ID_EDIT_ALIASES_BW = 32834;
inline constexpr int ID_EDIT_ALIASES_BT = 32835;
inline constexpr int ID_ADD_TRANSLATION = 32840;  // "&Dodaj przekład..."
inline constexpr int ID_DOWNLOAD_TRANSLATION = 32841;  // "&Pobierz przekład..."

// "&Widok": bars (the same numbers name the bars) and display settings.
inline constexpr int ID_VIEW_TOOLBAR = 59392;        // "&Narzędzia"
inline constexpr int ID_VIEW_NAVIGATION_BAR = 32805; // "&Pasek nawigacyjny"
inline constexpr int ID_VIEW_FOUND_VERSES_BAR = 112; // "Lista &wersetów"
inline constexpr int ID_VIEW_STATUS_BAR = 59393;     // "&Linia statusu"
inline constexpr int ID_VIEW_COLORS = 32814;         // "&Kolory..."
inline constexpr int ID_VIEW_FONT = 32815;           // "&Czcionki..."
inline constexpr int ID_VIEW_FOUND_WORDS = 32850;    // "Wyróżniaj &znalezione wyrazy"
inline constexpr int ID_VIEW_ZOOM_IN = 32851;        // "Większy &tekst\tCtrl++"
inline constexpr int ID_VIEW_ZOOM_OUT = 32852;       // "&Mniejszy tekst\tCtrl+-"
inline constexpr int ID_VIEW_ZOOM_RESET = 32853;     // "P&rzywróć rozmiar tekstu\tCtrl+0"
inline constexpr int ID_VIEW_RESTORE_SESSION = 32854; // "&Otwieraj okna z poprzedniej sesji"

// "O&kna".
inline constexpr int ID_WINDOW_CASCADE = 57650;     // "&Kaskada"
inline constexpr int ID_WINDOW_TILE_VERT = 57652;   // "Sąsia&dująco w pionie"
inline constexpr int ID_WINDOW_TILE_HORZ = 57651;   // "&Sąsiadująco w poziomie"
inline constexpr int ID_WINDOW_ARRANGE = 57649;     // "&Rozmieść ikony"
inline constexpr int ID_WINDOW_CLOSE = 32808;       // "&Zamknij"
inline constexpr int ID_WINDOW_CLOSE_ALL = 32803;   // "Zamknij &wszystkie"

// "Pomo&c".
inline constexpr int ID_HELP_FINDER = 57666;   // "&Tematy pomocy..."
inline constexpr int ID_HELP_SEARCH = 57667;   // "&Pomoc na temat..."
inline constexpr int ID_HELP_USING = 57668;    // "&Jak korzystać z pomocy..."
inline constexpr int ID_APP_ABOUT = 57664;     // "&O programie..."

// Accelerator-only commands that nothing handles.
inline constexpr int ID_CONTEXT_HELP = 57669;  // Shift+F1
inline constexpr int ID_HELP = 57670;          // F1
inline constexpr int ID_NEXT_PANE = 57680;     // F6
inline constexpr int ID_PREV_PANE = 57681;     // Shift+F6

// Status-bar indicators.
inline constexpr int ID_INDICATOR_TITLE = 116;
inline constexpr int ID_INDICATOR_DATE = 113;
inline constexpr int ID_INDICATOR_TIME = 114;

// The idle prompt of the status bar (string 57345).
inline constexpr int IDS_IDLE_PROMPT = 57345;

// Menu bars and the frame's context menu.
inline constexpr int IDR_MENU_NO_WINDOW = 140;
inline constexpr int IDR_MENU_WITH_WINDOW = 141;
inline constexpr int IDR_CONTEXT_MENU = 145;

// Dialogs and controls the frame owns.
inline constexpr int IDD_ABOUT = 100;
inline constexpr int IDD_NAVIGATION_BAR = 101;
inline constexpr int IDD_COLORS = 107;
inline constexpr int IDD_FOUND_VERSES_BAR = 115;
inline constexpr int IDC_COLOR_TEXT = 1040;
inline constexpr int IDC_COLOR_NUMBERS = 1041;
inline constexpr int IDC_COLOR_BACKGROUND = 1042;
inline constexpr int IDC_COLOR_HIGHLIGHT_TEXT = 1043;
inline constexpr int IDC_COLOR_HIGHLIGHT_BACKGROUND = 1044;
inline constexpr int IDC_COLOR_SYSTEM = 1045;
inline constexpr int IDC_COLOR_FOUND_WORDS = 1046;
inline constexpr int IDC_CREDITS = 1062;
inline constexpr int IDC_LINK_HOME = 1083;
inline constexpr int IDC_LINK_CATALOGUE = 1084;

// Pictures.
inline constexpr int IDI_PROGRAM = 160;
inline constexpr int IDI_BG = 161;
inline constexpr int IDI_BW = 162;
inline constexpr int IDI_BT = 163;

}  // namespace skrybon
