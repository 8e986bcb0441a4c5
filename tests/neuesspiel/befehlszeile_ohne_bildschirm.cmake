# Runs paarlix without a display: help, version, mistakes, a missing game
# folder and a new game all end with the right status and message.
# -DPAARLIX=program -DDEMO=demo writer -DORDNER=scratch folder

# Runs ${programm} (the game unless set otherwise).
set(programm ${PAARLIX})
function(erwarte status text)
  execute_process(COMMAND ${programm} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE aus ERROR_VARIABLE err)
  string(FIND "${aus}${err}" "${text}" stelle)
  if(NOT rc STREQUAL "${status}" OR stelle EQUAL -1)
    message(SEND_ERROR "${programm} ${ARGN}: status ${rc} (expected ${status}), output:\n${aus}${err}\n"
                       "expected to contain: ${text}")
  endif()
endfunction()

file(REMOVE_RECURSE ${ORDNER})
file(MAKE_DIRECTORY ${ORDNER})
execute_process(COMMAND ${DEMO} ${ORDNER}/demo RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "paarlix_demo failed: ${rc}")
endif()

# The demo writer takes options as options, never as the folder's name.
set(programm ${DEMO})
erwarte(0 "Aufruf: paarlix_demo ORDNER" --help)
erwarte(2 "Unbekannte Option „--version“" --version)
erwarte(2 "Aufruf: paarlix_demo ORDNER")
set(programm ${PAARLIX})

erwarte(0 "Paarlix 1." --version)
erwarte(0 "--neues-spiel [--namen] [--je-runde N] ZIELORDNER BILD…" --help)
erwarte(2 "Unbekannte Option „--gibtsnicht“." --gibtsnicht)
erwarte(2 "Es kann nur ein Spielordner angegeben werden." a b)
erwarte(1 "Den Spielordner „${ORDNER}/fehlt“ gibt es nicht." ${ORDNER}/fehlt)
# A game as one file: a refusal ends with status 1 and says why.
erwarte(1 "keine ZIP-Datei" --uebernehmen ${ORDNER}/demo/Paarlix.ini ${ORDNER}/ziel)
erwarte(1 "liegt kein Paarlix-Spiel" --weitergeben ${ORDNER}/fehlt ${ORDNER}/f.paarlix)
erwarte(1 "mindestens 2 Bilder" --neues-spiel ${ORDNER}/spiel ${ORDNER}/demo/01a.jpg)
erwarte(0 "Fertig: 2 Paare auf 2 × 2 Karten" --neues-spiel --namen ${ORDNER}/spiel
        ${ORDNER}/demo/01a.jpg ${ORDNER}/demo/02a.jpg)
if(NOT EXISTS ${ORDNER}/spiel/02b.jpg)
  message(SEND_ERROR "the new game lacks 02b.jpg")
endif()
erwarte(1 "ist nicht leer" --neues-spiel ${ORDNER}/spiel ${ORDNER}/demo/01a.jpg ${ORDNER}/demo/02a.jpg)
# A list of pairs is read before anything is written; its refusal names line and column.
file(WRITE ${ORDNER}/liste.csv "01a.jpg;Hund\nfehlt.jpg;Katze\n")
file(COPY ${ORDNER}/demo/01a.jpg DESTINATION ${ORDNER})
erwarte(1 "Zeile 2, Spalte 1: Das Foto „fehlt.jpg“ gibt es nicht." --neues-spiel --paare ${ORDNER}/liste.csv
        ${ORDNER}/listenspiel)
if(EXISTS ${ORDNER}/listenspiel)
  message(SEND_ERROR "a refused list wrote ${ORDNER}/listenspiel")
endif()
file(COPY ${ORDNER}/demo/02a.jpg DESTINATION ${ORDNER})
file(WRITE ${ORDNER}/liste.csv "# Paare\n01a.jpg;Hund\n02a.jpg;\n")
erwarte(0 "Fertig: 2 Paare" --neues-spiel --paare ${ORDNER}/liste.csv ${ORDNER}/listenspiel)
# A spreadsheet's header row is no pair: skipped and said so, unless the user says otherwise.
file(WRITE ${ORDNER}/kopf.csv "Deutsch;Englisch\n01a.jpg;Hund\n02a.jpg;Katze\n")
erwarte(0 "Erste Zeile („Deutsch“, „Englisch“) als Überschrift übersprungen" --neues-spiel --paare ${ORDNER}/kopf.csv
        ${ORDNER}/kopfspiel)
if(NOT EXISTS ${ORDNER}/kopfspiel/02b.jpg OR EXISTS ${ORDNER}/kopfspiel/03a.jpg)
  message(SEND_ERROR "the header row became a pair, or a pair is missing")
endif()
erwarte(0 "Fertig: 3 Paare" --neues-spiel --paare ${ORDNER}/kopf.csv ${ORDNER}/kopfpaar --keine-ueberschrift)
file(WRITE ${ORDNER}/eins.csv "01a.jpg;Hund\n")
erwarte(1 "Die Liste „${ORDNER}/eins.csv“ enthält nur 1 Paar" --neues-spiel --paare ${ORDNER}/eins.csv ${ORDNER}/eins)
