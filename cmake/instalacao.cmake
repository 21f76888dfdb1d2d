# Installing it as a desktop program: the program folder at <prefix>/lib/e-telvanor, marked as an
# installation so that the program writes only in each user's folder; the two commands in
# <prefix>/bin; the menu entry, the icon theme's pictures, the AppStream data and the manual page.
# debian/ makes the Debian package from these rules.
include(GNUInstallDirs)

set(TELVANOR_PASTA_INSTALADA lib/e-telvanor)
set(TELVANOR_INSTALACAO ${CMAKE_SOURCE_DIR}/assets/instalacao)
set(TELVANOR_GERADOS ${CMAKE_BINARY_DIR}/instalacao)
file(MAKE_DIRECTORY ${TELVANOR_GERADOS})

install(TARGETS e-Telvanor3Std e-telvanor-linha RUNTIME DESTINATION ${TELVANOR_PASTA_INSTALADA})
install(TARGETS e-telvanor-som LIBRARY DESTINATION ${TELVANOR_PASTA_INSTALADA})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/programa/ DESTINATION ${TELVANOR_PASTA_INSTALADA})
install(DIRECTORY DESTINATION ${TELVANOR_PASTA_INSTALADA}/sistema)
install(FILES ${TELVANOR_INSTALACAO}/instalado DESTINATION ${TELVANOR_PASTA_INSTALADA})

# The commands are relative links into the program folder, so they hold under any prefix; the
# program finds its folder through its own executable, whichever name started it.
file(RELATIVE_PATH telvanor_alvo /${CMAKE_INSTALL_BINDIR} /${TELVANOR_PASTA_INSTALADA})
file(CREATE_LINK ${telvanor_alvo}/e-Telvanor3Std ${TELVANOR_GERADOS}/e-telvanor SYMBOLIC)
file(CREATE_LINK ${telvanor_alvo}/e-telvanor-linha ${TELVANOR_GERADOS}/e-telvanor-linha SYMBOLIC)
install(FILES ${TELVANOR_GERADOS}/e-telvanor ${TELVANOR_GERADOS}/e-telvanor-linha
        DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${TELVANOR_INSTALACAO}/e-telvanor.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TELVANOR_INSTALACAO}/example.e_telvanor.e_telvanor.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon's pictures are named after their size (tools/figuras draws them).
file(GLOB telvanor_icones CONFIGURE_DEPENDS ${TELVANOR_INSTALACAO}/icones/e-telvanor-*.png)
foreach(icone ${telvanor_icones})
    string(REGEX REPLACE ".*-([0-9]+)\\.png$" "\\1" lado ${icone})
    install(FILES ${icone} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lado}x${lado}/apps
            RENAME e-telvanor.png)
endforeach()
install(FILES ${TELVANOR_INSTALACAO}/icones/e-telvanor.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# One manual page tells of both commands, compressed as Debian keeps them.
add_custom_command(OUTPUT ${TELVANOR_GERADOS}/e-telvanor.1.gz
    COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${TELVANOR_INSTALACAO}/e-telvanor.1
            ${TELVANOR_GERADOS}/e-telvanor.1.gz
    DEPENDS ${TELVANOR_INSTALACAO}/e-telvanor.1 VERBATIM)
add_custom_target(manual ALL DEPENDS ${TELVANOR_GERADOS}/e-telvanor.1.gz)
file(CREATE_LINK e-telvanor.1.gz ${TELVANOR_GERADOS}/e-telvanor-linha.1.gz SYMBOLIC)
install(FILES ${TELVANOR_GERADOS}/e-telvanor.1.gz ${TELVANOR_GERADOS}/e-telvanor-linha.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
