# SPDX-License-Identifier: MIT
# Installing and packaging: the programs, their manual pages, the desktop entry, the AppStream
# metainfo, the icons, the licence and the changelog, and a Debian package built by CPack.
include(GNUInstallDirs)
set(TENVO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tenvo) # GNUInstallDirs would say doc/Tenvo

install(TARGETS tenvo-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/copyright docs/guide.md DESTINATION ${TENVO_DOC_DIR})

# The manual pages are made from the programs' own --help and --version, so that they say what
# the programs say; help2man adds the sections in packaging/*.h2m.
find_program(HELP2MAN help2man)
set(man_programs tenvo-calc)
if(TENVO_BUILD_UI)
    list(APPEND man_programs tenvo)
endif()
if(HELP2MAN)
    foreach(program IN LISTS man_programs)
        set(page ${PROJECT_BINARY_DIR}/man/${program}.1)
        add_custom_command(
            OUTPUT ${page}.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
            COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 SOURCE_DATE_EPOCH=1796558400
                    ${HELP2MAN} --no-info --section=1 --source=Tenvo
                    --include=${PROJECT_SOURCE_DIR}/packaging/${program}.h2m
                    --output=${page} $<TARGET_FILE:${program}>
            COMMAND gzip -9nf ${page}
            DEPENDS ${program} ${PROJECT_SOURCE_DIR}/packaging/${program}.h2m
            COMMENT "Writing the manual page of ${program}")
        list(APPEND man_pages ${page}.gz)
    endforeach()
    add_custom_target(man_pages ALL DEPENDS ${man_pages})
    install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    message(STATUS "help2man not found: no manual pages")
endif()

set(changelog ${PROJECT_BINARY_DIR}/changelog.gz)
add_custom_command(
    OUTPUT ${changelog}
    COMMAND gzip -9n < ${PROJECT_SOURCE_DIR}/packaging/changelog > ${changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog)
add_custom_target(changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} DESTINATION ${TENVO_DOC_DIR})

if(TENVO_BUILD_UI)
    install(TARGETS tenvo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES packaging/${TENVO_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES packaging/${TENVO_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size 16 24 32 48 64 128 256)
        install(FILES assets/icons/tenvo-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${TENVO_APP_ID}.png)
    endforeach()
    install(FILES assets/icons/tenvo.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${TENVO_APP_ID}.svg)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tenvo)
set(CPACK_PACKAGE_VENDOR "The Tenvo authors")
set(CPACK_PACKAGE_CONTACT "The Tenvo authors <authors@tenvo.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "stake calculator for bets over up to twenty entries")
set(CPACK_PACKAGE_DESCRIPTION
    "Tenvo spreads a betting stake over up to twenty entries so that every entry
pays out about the same. The user chooses how many entries take part and types
each entry's odds; Tenvo checks that the odds are high enough, gives every
entry a stake in steps of 100 on a unit of 1000, and shows the total
investment and, on request, the profit each entry would bring if it won. Its
texts are in Japanese.
.
The package also holds tenvo-calc, the same calculation from the command line
for scripts, one bet at a time or a whole race card of JSON requests at once,
with the payout of each entry, the entries whose win still loses money and the
combined odds of the bet.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tenvo.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's platform plugins and a Japanese font are loaded at run time, where dpkg-shlibdeps
# cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic | fonts-japanese-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
