# Installation. The program reads its help file, and Get File opens, in the program's
# own folder, which it finds through its resolved path; so the command that the player
# types is a link to the program in a private folder. The help file and the sample
# puzzles live in that folder too, or in a data folder of their own with links to them
# from the program's folder. All three folders are relative to the install prefix:
#   - by default: bin/varnodel -> lib/varnodel/varnodel, data beside the program;
#   - Debian's games layout (debian/rules): games/varnodel -> lib/games/varnodel/varnodel,
#     data in share/games/varnodel.
set(VARNODEL_ID org.example.Varnodel)
set(VARNODEL_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR} CACHE STRING
    "Folder of the varnodel command, a link to the program")
set(VARNODEL_INSTALL_PRIVATEDIR lib/varnodel CACHE STRING "Folder of the program")
set(VARNODEL_INSTALL_DATADIR ${VARNODEL_INSTALL_PRIVATEDIR} CACHE STRING
    "Folder of the help file and the sample puzzles")

# Installs a relative symbolic link LINK (a path below the prefix) to TARGET (another).
function(varnodel_install_link target link)
    get_filename_component(link_dir ${link} DIRECTORY)
    file(RELATIVE_PATH relative /${link_dir} /${target})
    install(CODE "
        set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link}\")
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link_dir}\")
        file(CREATE_LINK \"${relative}\" \"\${link}\" SYMBOLIC)
        message(STATUS \"Installing: \${link} -> ${relative}\")
    ")
endfunction()

install(TARGETS varnodel RUNTIME DESTINATION ${VARNODEL_INSTALL_PRIVATEDIR})
varnodel_install_link(${VARNODEL_INSTALL_PRIVATEDIR}/varnodel ${VARNODEL_INSTALL_BINDIR}/varnodel)

set(data_files ${VARNODEL_HELP_FILES} ${VARNODEL_SAMPLES})
install(FILES ${data_files} DESTINATION ${VARNODEL_INSTALL_DATADIR})
if(NOT VARNODEL_INSTALL_DATADIR STREQUAL VARNODEL_INSTALL_PRIVATEDIR)
    foreach(file ${data_files})
        get_filename_component(name ${file} NAME)
        varnodel_install_link(${VARNODEL_INSTALL_DATADIR}/${name} ${VARNODEL_INSTALL_PRIVATEDIR}/${name})
    endforeach()
endif()

install(FILES docs/varnodel.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES data/desktop/${VARNODEL_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/desktop/${VARNODEL_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES data/icons/varnodel-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${VARNODEL_ID}.png)
endforeach()
install(FILES data/icons/varnodel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${VARNODEL_ID}.svg)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})
