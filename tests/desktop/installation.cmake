# Installs the build into a staging folder (DESTDIR) as a package would, then
# checks the installed tree: every file in place, icons of their stated
# size, the desktop entry and the AppStream data accepted by Debian's
# validators, the file type of a game file known once installed, and the installed programs writing a demo and a new game.
# -DBUILD=build folder -DSTAGING=staging folder -DID=application id
# -DBINDIR, -DMANDIR: install folders below /usr; -DSTARTBEFEHL: the desktop entry's command

file(REMOVE_RECURSE ${STAGING})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGING}
                        ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${err}")
endif()
set(usr ${STAGING}/usr)

foreach(datei ${BINDIR}/paarlix ${BINDIR}/paarlix_demo share/applications/${ID}.desktop
              share/metainfo/${ID}.metainfo.xml share/mime/packages/${ID}.xml share/doc/paarlix/README.md
              share/icons/hicolor/scalable/apps/${ID}.svg ${MANDIR}/man6/paarlix.6 ${MANDIR}/man6/paarlix_demo.6)
  if(NOT EXISTS ${usr}/${datei})
    message(SEND_ERROR "missing: /usr/${datei}")
  endif()
endforeach()
foreach(groesse 16 32 48 64 128 256)
  set(symbol ${usr}/share/icons/hicolor/${groesse}x${groesse}/apps/${ID}.png)
  if(NOT EXISTS ${symbol})
    message(SEND_ERROR "missing icon: ${symbol}")
    continue()
  endif()
  # Width and height stand in the PNG's IHDR chunk, big-endian, from byte 16.
  file(READ ${symbol} kopf OFFSET 16 LIMIT 8 HEX)
  math(EXPR erwartet "${groesse}" OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING "${erwartet}" 2 -1 erwartet)
  string(LENGTH "${erwartet}" laenge)
  math(EXPR nullen "8 - ${laenge}")
  string(REPEAT "0" ${nullen} auffuellung)
  if(NOT kopf STREQUAL "${auffuellung}${erwartet}${auffuellung}${erwartet}")
    message(SEND_ERROR "icon ${groesse}: IHDR says ${kopf}")
  endif()
endforeach()

execute_process(COMMAND desktop-file-validate ${usr}/share/applications/${ID}.desktop
                RESULT_VARIABLE rc OUTPUT_VARIABLE aus ERROR_VARIABLE aus)
if(NOT rc EQUAL 0 OR NOT aus STREQUAL "")
  message(SEND_ERROR "desktop-file-validate: ${rc} ${aus}")
endif()
execute_process(COMMAND appstreamcli validate --no-net --pedantic ${usr}/share/metainfo/${ID}.metainfo.xml
                RESULT_VARIABLE rc OUTPUT_VARIABLE aus ERROR_VARIABLE aus)
if(NOT rc EQUAL 0)
  message(SEND_ERROR "appstreamcli validate: ${rc} ${aus}")
endif()
file(STRINGS ${usr}/share/applications/${ID}.desktop exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=${STARTBEFEHL} --ordner-waehlen %f")
  message(SEND_ERROR "desktop entry starts: ${exec}")
endif()

file(STRINGS ${usr}/share/applications/${ID}.desktop mime REGEX "^MimeType=application/x-paarlix;$")
if(NOT mime)
  message(SEND_ERROR "desktop entry does not open application/x-paarlix")
endif()

# The file type installed into a fresh data folder, as the package's trigger
# does into /usr/share: a game file is known by its name, any case; a ZIP stays one.
set(daten ${STAGING}/xdg-daten)
file(COPY ${usr}/share/mime/packages/${ID}.xml DESTINATION ${daten}/mime/packages)
execute_process(COMMAND update-mime-database ${daten}/mime)
foreach(zeile "x.paarlix;application/x-paarlix" "Familie.PAARLIX;application/x-paarlix" "x.zip;application/zip")
  list(GET zeile 0 name)
  list(GET zeile 1 erwartet)
  file(COPY_FILE ${usr}/share/doc/paarlix/README.md ${daten}/${name})
  execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${daten} XDG_DATA_DIRS=/usr/share XDG_CURRENT_DESKTOP=GNOME
                          xdg-mime query filetype ${daten}/${name}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE typ ERROR_VARIABLE aus OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT typ STREQUAL erwartet)
    message(SEND_ERROR "xdg-mime query filetype ${name}: ${rc} ${typ} ${aus}, expected ${erwartet}")
  endif()
endforeach()

# The installed programs alone make a demo and a new game from its pictures.
execute_process(COMMAND ${usr}/${BINDIR}/paarlix_demo ${STAGING}/demo RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE aus)
if(NOT rc EQUAL 0)
  message(SEND_ERROR "installed paarlix_demo: ${rc} ${aus}")
endif()
execute_process(COMMAND ${usr}/${BINDIR}/paarlix --neues-spiel ${STAGING}/spiel ${STAGING}/demo/01a.jpg ${STAGING}/demo/02a.jpg
                RESULT_VARIABLE rc OUTPUT_VARIABLE aus ERROR_VARIABLE aus)
if(NOT rc EQUAL 0 OR NOT EXISTS ${STAGING}/spiel/Paarlix.ini)
  message(SEND_ERROR "installed paarlix --neues-spiel: ${rc} ${aus}")
endif()

# A game file the installed program passes on is known by its content too,
# without its name's ending; a ZIP of anything else is not.
execute_process(COMMAND ${usr}/${BINDIR}/paarlix --weitergeben ${STAGING}/spiel ${STAGING}/spiel.paarlix
                RESULT_VARIABLE rc OUTPUT_VARIABLE aus ERROR_VARIABLE aus)
if(NOT rc EQUAL 0)
  message(SEND_ERROR "installed paarlix --weitergeben: ${rc} ${aus}")
endif()
file(COPY_FILE ${STAGING}/spiel.paarlix ${daten}/ohne-endung)
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${daten} XDG_DATA_DIRS=/usr/share XDG_CURRENT_DESKTOP=GNOME
                        xdg-mime query filetype ${daten}/ohne-endung
                RESULT_VARIABLE rc OUTPUT_VARIABLE typ ERROR_VARIABLE aus OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT typ STREQUAL "application/x-paarlix")
  message(SEND_ERROR "xdg-mime query filetype of a game file without its ending: ${rc} ${typ} ${aus}")
endif()
