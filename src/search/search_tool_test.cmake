# SPDX-License-Identifier: GPL-2.0-or-later
# skrybon-tool search end to end: builds a small BG folder with the tool's
# own import, removes one book file and checks the printed found-verses text
# byte for byte, the message for the missing book, and the exit codes.
# Run as: cmake -DTOOL=<skrybon-tool> -DWORK=<folder> -P search_tool_test.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(WRITE "${WORK}/bg.tsv"
  "0\t1\t1\tNa początku stworzył Bóg niebo i ziemię.\n"
  "0\t1\t2\tA ziemia była niekształtowna i próżna.\n"
  "1\t1\t1\tTe są imiona synów Izraelskich, którzy weszli do Egiptu.\n"
  "44\t5\t2\tPrzez którego też przystęp mamy przez wiarę do tej łaski.\n"
  "45\t13\t13\tA teraz zostaje wiara, nadzieja, miłość, te trzy rzeczy.\n")
execute_process(COMMAND "${TOOL}" import --translation bg --format tsv --out "${WORK}" "${WORK}/bg.tsv"
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "import failed: ${rc}")
endif()
file(REMOVE "${WORK}/ksiegi/1.bg")
# Every search below skips that book: its results are printed, and the exit
# code 1 tells a script that they may be incomplete.

function(search expected_rc)
  # Through a file, byte for byte.
  execute_process(COMMAND "${TOOL}" search --data "${WORK}" ${ARGN}
                  RESULT_VARIABLE rc OUTPUT_FILE "${WORK}/out.txt" ERROR_VARIABLE err)
  file(READ "${WORK}/out.txt" out)
  if(NOT rc EQUAL expected_rc)
    message(FATAL_ERROR "search ${ARGN}: exit code ${rc}, not ${expected_rc}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

string(ASCII 13 CR)
set(SEP "${CR}\n----------------------------${CR}\n")

# A blank word is trimmed to an empty one (CMake cannot pass "" through).
search(1 --translation bg WIAR LUB " " NIE bóg)
set(expected "Lista znalezionych wersetów dla szukanych wyrazów:${CR}\n  1. \"WIAR\"${CR}\n  2. \"\"${CR}\n  3. \"bóg\"${CR}\n  4. \"\"${CR}\n${SEP}")
string(APPEND expected "Rzymian 5:2${CR}\n\"Przez którego też przystęp mamy przez wiarę do tej łaski.\"${CR}\n${CR}\n")
string(APPEND expected "1 Koryntów 13:13${CR}\n\"A teraz zostaje wiara, nadzieja, miłość, te trzy rzeczy.\"${CR}\n${CR}\n")
string(APPEND expected "${SEP}   2 werset(ów).${CR}\n")
# Compared as files: CMake's strings do not keep CR bytes reliably.
file(WRITE "${WORK}/expected.txt" "${expected}")
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${WORK}/expected.txt" "${WORK}/out.txt"
                RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "unexpected output, see ${WORK}/out.txt and expected.txt")
endif()
string(FIND "${err}" "Nie mogę odnaleźć pliku: '/ksiegi/1.bg'!" at)
if(at EQUAL -1)
  message(FATAL_ERROR "no message for the missing book:\n${err}")
endif()

# Whole words: "wiar" is no word; in Windows-1250 the header has the bytes as stored.
search(1 --translation bg --whole-words wiar)
string(FIND "${out}" "   0 werset(" at)
if(at EQUAL -1)
  message(FATAL_ERROR "whole word 'wiar' found something:\n${out}")
endif()
search(1 --translation bg --case-sensitive --encoding cp1250 Bóg)
string(FIND "${out}" "   0 werset(" at)
if(at EQUAL -1)
  message(FATAL_ERROR "UTF-8 bytes taken as Windows-1250 matched:\n${out}")
endif()

search(2 --translation bg)
search(2 --translation xx wiara)
search(2 --translation bg wiara ORAZ nadzieja)
search(2 --whole-words --word-start --translation bg wiara)
# A character Windows-1250 lacks is refused, not searched as '?' (which the
# text holds nowhere here, but '?' must not stand in for it anyway).
search(2 --translation bg α)
string(FIND "${err}" "U+03B1" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the refusal does not name the character:\n${err}")
endif()
