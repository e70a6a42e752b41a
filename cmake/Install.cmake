# Installation and the Debian package.
#
# One name ties the desktop together: the binary, the desktop entry orvanta.desktop,
# the icon "orvanta" and the desktop file name the program announces are all
# "orvanta", which is what the shell matches a window against. The AppStream
# component has to be reverse-DNS and points at the entry through <launchable>.
include(GNUInstallDirs)

install(TARGETS orvanta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(UNIX AND NOT APPLE)
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
    install(FILES ${CMAKE_SOURCE_DIR}/docs/orvanta.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${orvanta_res}/icons/orvanta.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_PACKAGE_NAME orvanta)
set(CPACK_PACKAGE_VENDOR "Brannock")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://brannock.example/")
set(CPACK_PACKAGE_CONTACT "Brannock Packaging <packages@brannock.example>")
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_PACKAGE_NAME orvanta)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Brannock Packaging <packages@brannock.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Shut down, restart or log off the computer at a chosen time
 Orvanta logs off the user, turns off the computer or restarts it, either
 after a countdown of hours, minutes and seconds or at a given time of day.
 Power requests go to systemd-logind.")
# The libraries come from dpkg-shlibdeps; the X11 platform plugin ships inside
# libqt6gui6, which the program links anyway.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")
set(CPACK_STRIP_FILES ON)

include(CPack)
