# Install layout and the Debian package (`make package`). Installed, the wizard finds its language packs
# in ../share/orvello-kitbench/lang next to its binary folder; the help pages are built into the program
# and installed beside the packs for reading in a browser.
include(GNUInstallDirs)

set(KITBENCH_DATA_DIR ${CMAKE_INSTALL_DATADIR}/orvello-kitbench)
set(desktop_id org.orvello.Kitbench)
set(desktop_dir ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS kitbench RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(KITBENCH_BUILD_DEVSERVER)
    install(TARGETS orvello-devserver RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/help/ DESTINATION ${KITBENCH_DATA_DIR}/help)

# The desktop entry's name is the id the window reports (QGuiApplication::setDesktopFileName).
install(FILES ${desktop_dir}/${desktop_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_dir}/${desktop_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop_dir}/${desktop_id}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Bitmap icons for menus and docks that do not draw SVG, rendered from the same artwork at build time.
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
    set(icon_pngs "")
    foreach(size 16 24 32 48 64 128 256)
        set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${desktop_id}.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
            COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${desktop_dir}/${desktop_id}.svg
            DEPENDS ${desktop_dir}/${desktop_id}.svg
            VERBATIM)
        list(APPEND icon_pngs ${png})
        install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    add_custom_target(kitbench_icons ALL DEPENDS ${icon_pngs})
else()
    message(WARNING "rsvg-convert (librsvg2-bin) not found: the install has no bitmap icons")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvello-kitbench)
set(CPACK_PACKAGE_VENDOR Harlowe)
set(CPACK_PACKAGE_CONTACT "Orvello Kitbench developers <kitbench@orvello.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop wizard for jobs on an Orvello collaboration server")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvello Kitbench walks you through one job on an Orvello collaboration server: create incidents,
tasks, events, to-dos, projects and lists, publish and download files, exchange project plans and
calendar entries. The package also holds orvello-devserver, a development server of the same service.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://orvello.example/kitbench)
# Libraries the programs link come from dpkg-shlibdeps; what is loaded or started at run time is named here:
# Qt's SVG plugins draw the artwork, xdg-utils opens web pages and files.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gnome-keyring | kwalletmanager")
include(CPack)
