// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/default_aliases.h"

#include <array>
#include <string_view>

#include "data/book_ids.h"
#include "data/codepage.h"

namespace skrybon {
namespace {

// Names and abbreviations of every book in the 73-book order, as typed by
// readers of the Gdańska, Warszawska and Tysiąclecia traditions, older and
// newer forms, the sigla of Biblia Tysiąclecia first. No two books share a
// name, so that each name typed whole resolves to its own book; q, v and x
// are left out because typed book names cannot contain them.
constexpr std::array<std::string_view, 73> kAliases = {
    "Rdz, Rodz, Gen, Genesis, 1Moj, 1Mojż, 1Mojżeszowa, Rodzaju",
    "Wj, Wyj, Wyjścia, 2Moj, 2Mojż, 2Mojżeszowa",
    "Kpł, Kapł, Kapłańska, 3Moj, 3Mojż, 3Mojżeszowa",
    "Lb, Liczb, Num, Numeri, 4Moj, 4Mojż, 4Mojżeszowa",
    "Pwt, Powt, PowtórzonegoPrawa, Deut, 5Moj, 5Mojż, 5Mojżeszowa",
    "Joz, Jozue, Jozuego",
    "Sdz, Sędz, Sędziów, Sędziowie",
    "Rt, Rut, Ruty",
    "1Sm, 1Sam, 1Samuela, 1Samuelowa",
    "2Sm, 2Sam, 2Samuela, 2Samuelowa",
    "1Krl, 1Król, 1Królewska",
    "2Krl, 2Król, 2Królewska",
    "1Krn, 1Kron, 1Kronik",
    "2Krn, 2Kron, 2Kronik",
    "Ezd, Ezdr, Ezdrasz, Ezdrasza, Ezdraszowa",
    "Ne, Neh, Nehem, Nehemiasz, Nehemiasza, Nehemijaszowa",
    "Tb, Tob, Tobiasz, Tobiasza",
    "Jdt",
    "Est, Ester, Estera, Estery",
    "1Mch, 1Mach, 1Machabejska",
    "2Mch, 2Mach, 2Machabejska",
    "Hi, Hiob, Hioba, Job, Joba, Ijob, Ijobowa",
    "Ps, Psalm, Psalmy, Psalmów",
    "Prz, Przyp, Przysł, Przysłów, Przypowieści, PrzypowieściSalomona, PrzypowieściSalomonowych",
    "Koh, Kohelet, Koheleta, Kohleta, Kazn, Kaznodziei, KaznodzieiSalomona, Ekl, Eklezjastes",
    "Pnp, Pieśń, PieśńnadPieśniami, PieśńSalomona",
    "Mdr, Mądr, Mądrości",
    "Syr, Syrach, Syracha, Sir",
    "Iz, Iza, Izaj, Izajasz, Izajasza",
    "Jr, Jer, Jerem, Jeremiasz, Jeremiasza, Jeremijasz",
    "Lm, Lam, Lament, Lamentacje, LamentacjeJeremiasza, Tren, Treny, TrenyJeremijaszowe",
    "Ba, Bar, Baruch, Barucha",
    "Ez, Ezech, Ezechiel, Ezechiela, Ezechyjel, Ezek",
    "Dn, Dan, Daniel, Daniela, Danijel",
    "Oz, Ozeasz, Ozeasza",
    "Jl, Joel, Joela",
    "Am, Amos, Amosa",
    "Ab, Abd, Abdiasz, Abdiasza, Abdyjasz",
    "Jon, Jonasz, Jonasza",
    "Mi, Mich, Micheasz, Micheasza",
    "Na, Nah, Nahum, Nahuma",
    "Ha, Hab, Habakuk, Habakuka, Abak, Abakuk",
    "So, Sof, Sofoniasz, Sofoniasza, Sofonijasz",
    "Ag, Agg, Aggeusz, Aggeusza, Aggieusz",
    "Za, Zach, Zachariasz, Zachariasza, Zacharyjasz",
    "Ml, Mal, Malachiasz, Malachiasza, Malachyjasz",
    "Mt, Mat, Mateusz, Mateusza",
    "Mk, Mr, Mar, Marek, Marka",
    "Łk, Łuk, Łukasz, Łukasza, Lk, Luk",
    "J, Jn, Jan, Jana",
    "Dz, DzAp, Dzieje, DziejeApostolskie",
    "Rz, Rzym, Rzymian, ListdoRzymian",
    "1Kor, 1Koryntian, 1Koryntów",
    "2Kor, 2Koryntian, 2Koryntów",
    "Ga, Gal, Galacjan, Galatów",
    "Ef, Efez, Efezjan, Efezów",
    "Flp, Filip, Filipian, Filipensów",
    "Kol, Kolos, Kolosan, Kolosensów",
    "1Tes, 1Tesaloniczan, 1Tesalonicensów",
    "2Tes, 2Tesaloniczan, 2Tesalonicensów",
    "1Tm, 1Tym, 1Tymoteusza",
    "2Tm, 2Tym, 2Tymoteusza",
    "Tt, Tyt, Tytus, Tytusa",
    "Flm, Filem, Filemon, Filemona",
    "Hbr, Hebr, Hebrajczyków, Żyd, Żydów",
    "Jk, Jak, Jakub, Jakuba, Jakóba",
    "1P, 1Pt, 1Ptr, 1Piotr, 1Piotra",
    "2P, 2Pt, 2Ptr, 2Piotr, 2Piotra",
    "1J, 1Jn, 1Jan, 1Jana",
    "2J, 2Jn, 2Jan, 2Jana",
    "3J, 3Jn, 3Jan, 3Jana",
    "Jud, Judy, Juda, Judasa",
    "Ap, Apok, Apokalipsa, ApokalipsaśwJana, Obj, Objawienie, ObjawienieJana",
};

// The translation's own abbreviation as an alias: full stops would split it
// into two names and blanks are dropped anyway.
std::string AbbreviationAlias(TranslationId id, int book) {
  std::string alias;
  for (const char c : BookAbbreviation(id, book)) {
    if (c != '.' && c != ' ') alias += c;
  }
  return alias;
}

}  // namespace

std::string DefaultAliasFileText(TranslationId id) {
  std::string text = Cp("; Nazwy i skróty ksiąg: ") + TranslationTitle(id) +
                     Cp(". Jedna linia na księgę, w kolejności ksiąg; przed pierwszym przecinkiem nazwa "
                        "księgi, dalej skróty rozdzielone przecinkami.\r\n");
  for (int book = 0; book < BookCount(id); ++book) {
    const int bt = id == TranslationId::BT ? book : BtBookFromProtestant(book);
    const std::string common = Cp(kAliases[static_cast<std::size_t>(bt)]);
    const std::string own = AbbreviationAlias(id, book);
    // The translation's abbreviation leads the list unless the list already starts with it.
    const bool listed = common.starts_with(own + ",") || common == own;
    text += BookFullName(id, book) + "," + (listed ? "" : own + ", ") + common + "\r\n";
  }
  return text;
}

}  // namespace skrybon
