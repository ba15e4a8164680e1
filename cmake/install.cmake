# Installation: the program, its help file and the sample puzzles share a private
# folder, and bin/ holds a link to the program. The program finds its folder through
# its resolved path, so it finds its files from either place.
set(VARNODEL_PRIVATE_DIR lib/varnodel)
set(VARNODEL_ID org.example.Varnodel)

install(TARGETS varnodel RUNTIME DESTINATION ${VARNODEL_PRIVATE_DIR})
install(FILES src/help/GrdHelp.det ${VARNODEL_SAMPLES} DESTINATION ${VARNODEL_PRIVATE_DIR})

file(RELATIVE_PATH VARNODEL_LINK_TARGET /${CMAKE_INSTALL_BINDIR} /${VARNODEL_PRIVATE_DIR}/varnodel)
install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/varnodel\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"${VARNODEL_LINK_TARGET}\" \"\${link}\" SYMBOLIC)
    message(STATUS \"Installing: \${link} -> ${VARNODEL_LINK_TARGET}\")
")

install(FILES data/desktop/${VARNODEL_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/desktop/${VARNODEL_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES data/icons/varnodel-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${VARNODEL_ID}.png)
endforeach()
install(FILES data/icons/varnodel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${VARNODEL_ID}.svg)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/varnodel)

# The Debian package: `cpack -G DEB` in a build folder configured with an install
# prefix of /usr (scripts/package.sh does both).
set(CPACK_PACKAGE_NAME varnodel)
set(CPACK_PACKAGE_VENDOR "The Varnodel developers")
set(CPACK_PACKAGE_CONTACT "The Varnodel developers <varnodel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sudoku helper that solves puzzles and checks your answers")
set(CPACK_PACKAGE_DESCRIPTION "Varnodel is a small Sudoku helper. Type the given digits of a
puzzle into the grid, or load a puzzle file, and press Solve: Varnodel marks
the givens and rules digits out along rows, columns and boxes. When it finds
the whole answer, every digit you type is checked; when the puzzle needs
more, it lists the digits each cell can still take.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://example.org/varnodel")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
