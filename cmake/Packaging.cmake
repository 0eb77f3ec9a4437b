# Where `cmake --install` puts the program, and the Debian package CPack makes
# of it (scripts/package.sh configures with -DCMAKE_INSTALL_PREFIX=/usr).
include(GNUInstallDirs)

set(TRAVONIX_PACKAGE_NAME travonix)
set(TRAVONIX_APPSTREAM_ID com.zamrel.travonix)
set(TRAVONIX_MAINTAINER "Zamrel Software <maintainers@users.noreply.c-seed-d87e8a5e.example>"
    CACHE STRING "Maintainer field of the Debian package and its changelog")

if(WIN32)
    install(TARGETS travonix Log RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    return()
endif()

# The log library is private to the program: it lives in a folder of its own,
# and the executable's RUNPATH, relative to wherever the tree is installed,
# points there. platform::loadLibrary falls back to dlopen by bare name, and
# dlopen honours the calling executable's RUNPATH. In the build tree the
# library sits beside the executable, as before.
set(TRAVONIX_PRIVATE_LIBDIR ${CMAKE_INSTALL_LIBDIR}/${TRAVONIX_PACKAGE_NAME})
file(RELATIVE_PATH _travonix_bin_to_lib ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBDIR}/${TRAVONIX_PACKAGE_NAME})
# The build tree's program carries the same RUNPATH, which has no entry the
# loader could read as the working folder; the log library beside it is found
# there first all the same.
set_target_properties(travonix PROPERTIES INSTALL_RPATH "$ORIGIN/${_travonix_bin_to_lib}"
                      BUILD_WITH_INSTALL_RPATH ON)

install(TARGETS travonix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# dlopen needs no execute bit, and Debian wants none on libraries.
install(TARGETS Log LIBRARY DESTINATION ${TRAVONIX_PRIVATE_LIBDIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

install(FILES resources/travonix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

string(TIMESTAMP TRAVONIX_RELEASE_DATE "%Y-%m-%d" UTC)
configure_file(resources/travonix.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/share/${TRAVONIX_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/share/${TRAVONIX_APPSTREAM_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Theme icons, taken from the Windows icon so the two never drift apart.
find_program(TRAVONIX_ICOTOOL icotool)
find_program(TRAVONIX_RSVG_CONVERT rsvg-convert)
if(NOT TRAVONIX_ICOTOOL OR NOT TRAVONIX_RSVG_CONVERT)
    message(FATAL_ERROR "Making the theme icons needs icotool (icoutils) and rsvg-convert (librsvg2-bin): "
                        "run scripts/setup-deps.sh")
endif()
set(TRAVONIX_ICON_SIZES 16 32 48 64 128 256)
set(_travonix_icon_dir ${CMAKE_BINARY_DIR}/share/icons/hicolor)
set(_travonix_icons ${_travonix_icon_dir}/scalable/apps/${TRAVONIX_PACKAGE_NAME}.svg)
foreach(size IN LISTS TRAVONIX_ICON_SIZES)
    list(APPEND _travonix_icons ${_travonix_icon_dir}/${size}x${size}/apps/${TRAVONIX_PACKAGE_NAME}.png)
endforeach()
add_custom_command(OUTPUT ${_travonix_icons}
    COMMAND ${CMAKE_COMMAND} -DICON=${PROJECT_SOURCE_DIR}/resources/AppIcon.ico
            -DSVG=${PROJECT_SOURCE_DIR}/resources/travonix.svg
            -DICOTOOL=${TRAVONIX_ICOTOOL} -DRSVG_CONVERT=${TRAVONIX_RSVG_CONVERT}
            "-DSIZES=${TRAVONIX_ICON_SIZES}" -DNAME=${TRAVONIX_PACKAGE_NAME} -DOUTPUT_DIR=${_travonix_icon_dir}
            -DWORK_DIR=${CMAKE_BINARY_DIR}/icon-work
            -P ${PROJECT_SOURCE_DIR}/cmake/MakeIcons.cmake
    DEPENDS resources/AppIcon.ico resources/travonix.svg cmake/MakeIcons.cmake
    COMMENT "Making the theme icons from AppIcon.ico"
    VERBATIM)
add_custom_target(travonix_icons ALL DEPENDS ${_travonix_icons})
install(DIRECTORY ${_travonix_icon_dir} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

find_program(TRAVONIX_GZIP gzip)
if(NOT TRAVONIX_GZIP)
    message(FATAL_ERROR "The manual page and the changelog are packed with gzip")
endif()

# The manual page is the program's own --help and --version, through help2man.
option(TRAVONIX_MAN_PAGE "Make and install the manual page (travonix --help must print without a display)" ON)
if(TRAVONIX_MAN_PAGE)
    find_program(TRAVONIX_HELP2MAN help2man)
    find_program(TRAVONIX_TIMEOUT timeout)
    if(NOT TRAVONIX_HELP2MAN OR NOT TRAVONIX_TIMEOUT)
        message(FATAL_ERROR "Making the manual page needs help2man and timeout: run scripts/setup-deps.sh")
    endif()
    set(_travonix_man ${CMAKE_BINARY_DIR}/share/man/man1/${TRAVONIX_PACKAGE_NAME}.1.gz)
    add_custom_command(OUTPUT ${_travonix_man}
        COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:travonix> -DHELP2MAN=${TRAVONIX_HELP2MAN}
                -DGZIP=${TRAVONIX_GZIP} -DTIMEOUT=${TRAVONIX_TIMEOUT} "-DDESCRIPTION=${PROJECT_DESCRIPTION}"
                -DWORK_DIR=${CMAKE_BINARY_DIR}/man-work -DOUTPUT=${_travonix_man}
                -P ${PROJECT_SOURCE_DIR}/cmake/MakeManPage.cmake
        DEPENDS travonix cmake/MakeManPage.cmake
        COMMENT "Making the manual page from travonix --help"
        VERBATIM)
    add_custom_target(travonix_man ALL DEPENDS ${_travonix_man})
    install(FILES ${_travonix_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# Debian wants a copyright file and a changelog in /usr/share/doc/<package>.
set(TRAVONIX_DEBIAN_REVISION 1)
set(_travonix_doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/${TRAVONIX_PACKAGE_NAME})
# Both honour SOURCE_DATE_EPOCH, which scripts/package.sh sets to the commit's time.
string(TIMESTAMP TRAVONIX_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
string(TIMESTAMP TRAVONIX_COPYRIGHT_YEAR "%Y" UTC)
configure_file(resources/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog.Debian @ONLY)
configure_file(resources/debian/copyright.in ${CMAKE_BINARY_DIR}/debian/copyright @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz
    COMMAND ${TRAVONIX_GZIP} -9nkf ${CMAKE_BINARY_DIR}/debian/changelog.Debian
    DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.Debian
    VERBATIM)
add_custom_target(travonix_debian_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz)
install(FILES ${CMAKE_BINARY_DIR}/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.Debian.gz
        DESTINATION ${_travonix_doc_dir})
install(FILES resources/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME ${TRAVONIX_PACKAGE_NAME})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TRAVONIX_PACKAGE_NAME})
# All four numbers; CPack would otherwise drop the fourth.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zamrel Software")
set(CPACK_PACKAGE_CONTACT ${TRAVONIX_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "download official Windows installation ISOs")
set(CPACK_PACKAGE_DESCRIPTION "\
Travonix gets official Windows 10, Windows 11 and Windows 11 ARM64
installation ISOs from Microsoft's public download page. Pick version,
edition, language and architecture: Travonix asks the page for the ISO
link, shows it, copies it, and downloads the ISO into a resumable file,
checking it against the SHA-256 that Microsoft's page publishes.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.zamrel.com/")
# The package installs where the tree was configured to install.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TRAVONIX_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see: HTTPS to Microsoft needs the system's
# certificate store.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ca-certificates")
# Qt's own buttons and dialogs in the window's language; English without.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qttranslations5-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Registered here, not in tests/: it needs the install folders set above, and
# tests/ is configured before this file.
if(BUILD_TESTING)
    add_test(NAME install_layout COMMAND ${PROJECT_SOURCE_DIR}/tests/check_install.sh ${CMAKE_BINARY_DIR}
             ${CMAKE_INSTALL_BINDIR} ${TRAVONIX_PRIVATE_LIBDIR} ${CMAKE_INSTALL_DATADIR} ${CMAKE_INSTALL_MANDIR}
             ${TRAVONIX_MAN_PAGE})
    # The package as scripts/package.sh makes it (in a tree of its own, for
    # /usr), installed with apt-get into a throwaway Debian 12 and run there.
    # Root only; the first run makes the Debian root and fills apt's cache.
    # Alone, because the package build takes every core.
    add_test(NAME debian_package COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-package.sh --make-package)
    set_tests_properties(debian_package PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 600 LABELS package
        RUN_SERIAL ON
        ENVIRONMENT "TRAVONIX_PACKAGE_BUILD_DIR=${CMAKE_BINARY_DIR}/package/build;TRAVONIX_DIST_DIR=${CMAKE_BINARY_DIR}/package/dist")
endif()
