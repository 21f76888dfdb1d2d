# Installing it as a desktop program: the program folder at <prefix>/lib/e-telvanor, marked as an
# installation so that the program writes only in each user's folder, its data in
# <prefix>/share/e-telvanor, the system-wide defaults in <sysconfdir>/e-telvanor; the two commands in
# <prefix>/bin; the menu entry, the icon theme's pictures, the AppStream data and the manual page.
# debian/ makes the Debian package from these rules.
include(GNUInstallDirs)

set(TELVANOR_PASTA_INSTALADA lib/e-telvanor)
set(TELVANOR_INSTALACAO ${CMAKE_SOURCE_DIR}/assets/instalacao)
set(TELVANOR_GERADOS ${CMAKE_BINARY_DIR}/instalacao)
file(MAKE_DIRECTORY ${TELVANOR_GERADOS})

install(TARGETS e-Telvanor3Std e-telvanor-linha e-telvanor-som RUNTIME DESTINATION ${TELVANOR_PASTA_INSTALADA})
install(TARGETS e-telvanor-email LIBRARY DESTINATION ${TELVANOR_PASTA_INSTALADA})
install(DIRECTORY DESTINATION ${TELVANOR_PASTA_INSTALADA}/sistema)
install(FILES ${TELVANOR_INSTALACAO}/instalado DESTINATION ${TELVANOR_PASTA_INSTALADA})

# The data that is the same on every machine (cues, help, region file, presets, the settings file
# users start from when the administrator keeps no defaults) lies in <prefix>/share/e-telvanor; the
# program folder holds a relative link to each file, where the program looks for it.
set(TELVANOR_PASTA_DADOS ${CMAKE_INSTALL_DATADIR}/e-telvanor)
set(TELVANOR_ENTREGUES ${CMAKE_SOURCE_DIR}/assets/programa)
install(DIRECTORY ${TELVANOR_ENTREGUES}/ DESTINATION ${TELVANOR_PASTA_DADOS})
file(GLOB_RECURSE telvanor_dados LIST_DIRECTORIES false CONFIGURE_DEPENDS RELATIVE ${TELVANOR_ENTREGUES}
     ${TELVANOR_ENTREGUES}/*)
file(REMOVE_RECURSE ${TELVANOR_GERADOS}/programa)
foreach(dado ${telvanor_dados})
    get_filename_component(pasta_dado ${dado} DIRECTORY)
    file(MAKE_DIRECTORY ${TELVANOR_GERADOS}/programa/${pasta_dado})
    file(RELATIVE_PATH alvo_dado /${TELVANOR_PASTA_INSTALADA}/${pasta_dado} /${TELVANOR_PASTA_DADOS}/${dado})
    file(CREATE_LINK ${alvo_dado} ${TELVANOR_GERADOS}/programa/${dado} SYMBOLIC)
endforeach()
install(DIRECTORY ${TELVANOR_GERADOS}/programa/ DESTINATION ${TELVANOR_PASTA_INSTALADA})

# The system-wide defaults every user's settings file starts from, which the administrator edits
# (the package's conffile). The program reaches their folder from its own: a relative sysconfdir
# follows the prefix, as `cmake --install --prefix` may move it; an absolute one (Debian's /etc)
# stays where it is.
set(TELVANOR_PASTA_PADROES ${CMAKE_INSTALL_SYSCONFDIR}/e-telvanor)
cmake_path(ABSOLUTE_PATH TELVANOR_PASTA_PADROES BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX}
           OUTPUT_VARIABLE telvanor_padroes_instalados)
file(RELATIVE_PATH telvanor_padroes ${CMAKE_INSTALL_PREFIX}/${TELVANOR_PASTA_INSTALADA}
     ${telvanor_padroes_instalados})
target_compile_definitions(telvanor_platform PRIVATE TELVANOR_PADROES="${telvanor_padroes}")
install(FILES ${TELVANOR_ENTREGUES}/Config.ini DESTINATION ${TELVANOR_PASTA_PADROES})

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
