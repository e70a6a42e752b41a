# Installation and the Debian package.
#
# One name ties the desktop together: the binary, the desktop entry orvanta.desktop,
# the icon "orvanta" and the desktop file name the program announces are all
# "orvanta", which is what the shell matches a window against. The AppStream
# component has to be reverse-DNS and points at the entry through <launchable>.
include(GNUInstallDirs)

# Directories made on the way get 0755 whatever the umask of whoever builds the
# package; a group-writable directory in a .deb is a packaging fault.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS orvanta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(orvanta_deb_revision 1)

if(UNIX AND NOT APPLE)
    # The packaging changelog names the version it describes; a release that forgets
    # its entry would ship a changelog about another version.
    set(orvanta_changelog ${CMAKE_SOURCE_DIR}/packaging/changelog)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${orvanta_changelog})
    file(STRINGS ${orvanta_changelog} orvanta_changelog_head LIMIT_COUNT 1)
    string(REGEX MATCH "^orvanta \\(([^)]+)\\)" orvanta_match "${orvanta_changelog_head}")
    if(NOT CMAKE_MATCH_1 STREQUAL "${PROJECT_VERSION}-${orvanta_deb_revision}")
        message(FATAL_ERROR "packaging/changelog describes '${CMAKE_MATCH_1}' first, but the "
                            "package is ${PROJECT_VERSION}-${orvanta_deb_revision}: add an entry.")
    endif()

    # Manual pages and changelogs are shipped gzipped, with -n so that no file name
    # or time stamp makes two builds of the same sources differ.
    find_program(ORVANTA_GZIP gzip REQUIRED)
    set(orvanta_gz_dir ${CMAKE_BINARY_DIR}/packaging)
    set(orvanta_gz_files)
    foreach(pair "${CMAKE_SOURCE_DIR}/docs/orvanta.1|orvanta.1"
                 "${orvanta_changelog}|changelog.Debian")
        string(REPLACE "|" ";" pair "${pair}")
        list(GET pair 0 source)
        list(GET pair 1 name)
        add_custom_command(OUTPUT ${orvanta_gz_dir}/${name}.gz
            COMMAND ${CMAKE_COMMAND} -E copy ${source} ${orvanta_gz_dir}/${name}
            COMMAND ${ORVANTA_GZIP} -9nf ${orvanta_gz_dir}/${name}
            DEPENDS ${source} VERBATIM)
        list(APPEND orvanta_gz_files ${orvanta_gz_dir}/${name}.gz)
    endforeach()
    add_custom_target(orvanta_compressed_docs ALL DEPENDS ${orvanta_gz_files})

    set(orvanta_res ${CMAKE_SOURCE_DIR}/resources)
    install(FILES ${orvanta_res}/linux/orvanta.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${orvanta_res}/linux/example.brannock.Orvanta.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size 16 24 32 48 64 128 256)
        install(FILES ${orvanta_res}/icons/orvanta-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME orvanta.png)
    endforeach()
    install(FILES ${orvanta_res}/icons/orvanta.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(FILES ${orvanta_gz_dir}/orvanta.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    # Debian looks for these under the package's own name, not the project's.
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${orvanta_gz_dir}/changelog.Debian.gz
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvanta)
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides
            DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME orvanta)

    # A stripped install (the package's) also drops the compiler's notes, which only
    # take room; plain strip leaves them.
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
            --remove-section=.note
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/orvanta\"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endif()

set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VENDOR "Brannock")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://brannock.example/")
set(CPACK_PACKAGE_CONTACT "Brannock Packaging <packages@brannock.example>")
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_PACKAGE_NAME orvanta)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${orvanta_deb_revision})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Brannock Packaging <packages@brannock.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# CPack makes the synopsis from the summary and the extended text from the rest;
# empty lines become " ." by itself.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "timer to log off, power off or restart the computer")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Orvanta logs off the user, turns off the computer or restarts it, either
after a countdown of hours, minutes and seconds or at a given time of day.
The time left runs down in a small window or in the tool tip of an icon in
the notification area, and a minute before the action a desktop notification
offers to postpone it by ten minutes or to cancel it. It can also be armed
from the command line.

The request goes to the desktop's session manager, so that other programs
may save their work, or to systemd-logind. Ticking Force keeps other
programs from holding it up.")
# The libraries come from dpkg-shlibdeps; the X11 platform plugin ships inside
# libqt6gui6, which the program links anyway.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (standard buttons) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)

include(CPack)
