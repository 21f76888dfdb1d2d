# Installing it as a desktop program: the program folder at <prefix>/lib/e-telvanor, marked as an
# installation so that the program writes only in each user's folder; the two commands in
# <prefix>/bin; the menu entry, the icon theme's pictures, the AppStream data and the manual page.
# `cpack -G DEB` in the build folder makes the Debian package from the same rules.
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

set(CPACK_PACKAGE_NAME e-telvanor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR e-Telvanor)
set(CPACK_PACKAGE_CONTACT "e-Telvanor <contato@e-telvanor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dial-up dialer with a skinned window, mail count and sound cues")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.e-telvanor.example/)
# The summary above is the description's first line; CPack indents the lines below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "e-Telvanor dials a phonebook entry with your user name and password, follows the
connection in a small skinned window and in the notification area, redials while
redial is on, counts the messages waiting in your POP3 mailboxes once connected,
plays short sound cues, and connects and disconnects at the times you schedule.
It ships with a simulated line, so it does its whole job without a modem. Its
texts are in Brazilian Portuguese.")
# The libraries come from the shipped programs; what is loaded only at run time is named here: Qt's
# media back end is built on GStreamer and loads its base plugins, the skin's texts use DejaVu, and
# the cues are heard through a PulseAudio server.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
