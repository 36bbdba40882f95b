# Installing Quadrix as a desktop program (cmake --install) and packing it
# as a Debian package (cpack -G DEB). One application id names the desktop
# entry, the icon and the AppStream metadata.
include(GNUInstallDirs)
set(QUADRIX_APP_ID org.example.Quadrix)

# The icon in the sizes of the hicolor theme, drawn by the program's own code.
add_executable(quadrix_writeicon src/app/writeicon.cpp)
target_link_libraries(quadrix_writeicon PRIVATE quadrix_gui)
set(icons "")
foreach(size 48 128 256)
    set(icon ${CMAKE_BINARY_DIR}/icons/${size}/${QUADRIX_APP_ID}.png)
    add_custom_command(OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:quadrix_writeicon> ${size} ${icon}
        DEPENDS quadrix_writeicon VERBATIM)
    list(APPEND icons ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The manual page and the package's changelog, compressed as Debian wants.
configure_file(data/quadrix.1 ${CMAKE_BINARY_DIR}/quadrix.1 @ONLY)
configure_file(packaging/changelog ${CMAKE_BINARY_DIR}/changelog @ONLY)
set(compressed "")
foreach(file quadrix.1 changelog)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${file}.gz
        COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/${file}
        DEPENDS ${CMAKE_BINARY_DIR}/${file} VERBATIM)
    list(APPEND compressed ${CMAKE_BINARY_DIR}/${file}.gz)
endforeach()
add_custom_target(quadrix_install_files ALL DEPENDS ${icons} ${compressed})

install(TARGETS quadrix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/Pro.txt data/Collage.txt ${CMAKE_BINARY_DIR}/help.html
              ${CMAKE_BINARY_DIR}/help_de.html
        DESTINATION ${CMAKE_INSTALL_DATADIR}/quadrix)
install(FILES data/${QUADRIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${QUADRIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/${QUADRIX_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_BINARY_DIR}/quadrix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quadrix)

set(CPACK_PACKAGE_NAME quadrix)
set(CPACK_PACKAGE_VENDOR "The Quadrix developers")
set(CPACK_PACKAGE_CONTACT "The Quadrix developers <quadrix@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "football squares pool manager")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quadrix.example.org/)
set(CPACK_PACKAGE_DESCRIPTION "Quadrix runs the football squares pools of an office or a group of
friends: a board of 100 squares that the players buy, digits drawn for the
rows and the columns, and a winner for each quarter picked by the last
digits of the two scores. It keeps any number of pools in one file, sells
squares by Quick Pick, shows the payouts, locks finished pools with a
password and prints the board.")
# The libraries the program links come from its binary; the plug-ins Qt
# loads at run time (the SQLite driver, the platform) are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
# Qt's own German buttons and dialogs; without them the program's German stays.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
