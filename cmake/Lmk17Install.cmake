# cmake --install (any --prefix, DESTDIR) and the package: the programs, the
# language modules and the manual (installed by their folders' own lists into
# <datadir>/lmk17, which the programs find relative to themselves), and on
# Linux the manual pages, shell completion, desktop entry, icons, file types,
# AppStream metadata and the package documents. Nothing here touches the
# system's caches outside the prefix: a package leaves them to the system's
# triggers.
include(GNUInstallDirs)

# The data folder as installed, for a program moved away from its prefix;
# the programs look relative to themselves first.
set_property(SOURCE ${PROJECT_SOURCE_DIR}/src/app/app_paths.cpp DIRECTORY ${PROJECT_SOURCE_DIR}/src
    APPEND PROPERTY COMPILE_DEFINITIONS
    LMK17_DATA_DIR="${CMAKE_INSTALL_FULL_DATADIR}/lmk17"
    LMK17_RELATIVE_DATA_DIR="${CMAKE_INSTALL_DATADIR}/lmk17")

install(TARGETS lmk17-cli lmk17-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET lmk17)
    install(TARGETS lmk17 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(NOT UNIX OR APPLE)
    return()
endif()

# Manual pages made from each program's own --help and --version.
find_program(LMK17_GZIP gzip REQUIRED)
set(lmk17_man_dir ${PROJECT_BINARY_DIR}/man)
set(lmk17_man_pages "")
function(lmk17_man_page target summary)
    set(page ${lmk17_man_dir}/${target}.1.gz)
    add_custom_command(OUTPUT ${page}
        COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> -DNAME=${target}
                "-DSUMMARY=${summary}" -DOUT=${lmk17_man_dir}/${target}.1 -DGZIP=${LMK17_GZIP}
                ${ARGN} -P ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
        DEPENDS ${target} ${PROJECT_SOURCE_DIR}/cmake/ManPage.cmake
        COMMENT "Manual page ${target}(1)"
        VERBATIM)
    set(lmk17_man_pages ${lmk17_man_pages} ${page} PARENT_SCOPE)
endfunction()
lmk17_man_page(lmk17-cli "configure, test and monitor K8410/K8620 transmitters from a terminal"
               -DCOMMANDS=ON "-DSEE_ALSO=lmk17(1), lmk17-sim(1)")
lmk17_man_page(lmk17-sim "software K8410/K8620 transmitters on a pseudo-terminal"
               "-DSEE_ALSO=lmk17(1), lmk17-cli(1)")
if(TARGET lmk17)
    lmk17_man_page(lmk17 "configure, test and monitor K8410 and K8620 transmitters"
                   "-DSEE_ALSO=lmk17-cli(1), lmk17-sim(1)")
endif()
add_custom_target(lmk17_man ALL DEPENDS ${lmk17_man_pages})
install(FILES ${lmk17_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(LMK17_ZSH_COMPLETION_DIR ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions
    CACHE STRING "Folder of zsh completion functions, relative to the prefix")
install(FILES data/completion/lmk17-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME lmk17-cli)
install(FILES data/completion/_lmk17-cli DESTINATION ${LMK17_ZSH_COMPLETION_DIR})

# The package documents: copyright and a changelog, gzipped as Debian keeps them.
set(LMK17_PACKAGE_MAINTAINER "LMK-17 maintainers <lmk17@example.org>"
    CACHE STRING "Maintainer of the package: Name <address>")
string(TIMESTAMP lmk17_release_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(data/changelog.in ${PROJECT_BINARY_DIR}/package/changelog @ONLY)
execute_process(COMMAND ${LMK17_GZIP} -9nkf ${PROJECT_BINARY_DIR}/package/changelog
                COMMAND_ERROR_IS_FATAL ANY)
install(FILES data/copyright ${PROJECT_BINARY_DIR}/package/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(TARGET lmk17)
    install(FILES data/lmk17.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES src/app/ui/icons/lmk17.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    foreach(size 48 128 256)
        install(FILES data/icons/lmk17-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME lmk17.png)
    endforeach()
    install(FILES data/lmk17-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
            RENAME lmk17.xml)
    install(FILES data/lmk17.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
            RENAME local.lmk17.lmk17.metainfo.xml)
    # A live install into a prefix of one's own may refresh that prefix's
    # caches (never the system's, never in a package).
    option(LMK17_REFRESH_CACHES "cmake --install refreshes the MIME and desktop caches of the prefix"
           OFF)
    if(LMK17_REFRESH_CACHES)
        install(CODE "
            if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
                execute_process(COMMAND update-mime-database \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime\"
                                ERROR_QUIET OUTPUT_QUIET)
                execute_process(COMMAND update-desktop-database
                                \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
                                ERROR_QUIET OUTPUT_QUIET)
            endif()")
    endif()
endif()
