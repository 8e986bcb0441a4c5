# Installs the build into a staging folder (DESTDIR) as a package would, then
# checks the installed tree: every file in place, icons of their stated
# size, the desktop entry and the AppStream data accepted by Debian's
# validators, and the installed programs writing a demo and a new game.
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
              share/metainfo/${ID}.metainfo.xml share/doc/paarlix/README.md
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
if(NOT exec STREQUAL "Exec=${STARTBEFEHL} --ordner-waehlen")
  message(SEND_ERROR "desktop entry starts: ${exec}")
endif()

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
