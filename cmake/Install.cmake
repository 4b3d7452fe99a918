# Install rules and the Debian package. The program finds its data through
# share/quillmere/installed, relative to bin/, so the tree may be moved whole.
include(GNUInstallDirs)

set(QUILLMERE_ID org.quillmere.Quillmere)
install(TARGETS quillmere RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/installed
        DESTINATION ${CMAKE_INSTALL_DATADIR}/quillmere)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/quillmere/samples)
install(FILES ${PROJECT_SOURCE_DIR}/data/${QUILLMERE_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/${QUILLMERE_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/${QUILLMERE_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/${size}x${size}/${QUILLMERE_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# What Debian asks of every package: a copyright file and a compressed changelog.
set(QUILLMERE_DOC ${CMAKE_INSTALL_DATADIR}/doc/quillmere)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright DESTINATION ${QUILLMERE_DOC})
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/debian/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog)
add_custom_target(quillmere_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${QUILLMERE_DOC})
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/quillmere.1.gz
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/quillmere.1 > ${CMAKE_BINARY_DIR}/quillmere.1.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/data/quillmere.1)
add_custom_target(quillmere_manual ALL DEPENDS ${CMAKE_BINARY_DIR}/quillmere.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/quillmere.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmere)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Quillmere developers <developers@quillmere.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "English sentence trainer for Japanese speakers")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillmere asks English sentences one at a time: build each one from its
shuffled words, or study them as flash cards from Japanese to English or
English to Japanese. Every answer is counted, and the counts decide which
questions are asked next.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-noto-cjk, qt6-speech-flite-plugin | qt6-speech-speechd-plugin")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
