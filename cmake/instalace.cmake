# Installation to a standard layout (`cmake --install`, `make install`) and the Debian
# package (`make package`). Included last, after every target exists.
include(GNUInstallDirs)

set(ORTANEL_ID "sk.ortanel.verbano2") # desktop entry, icon and AppStream id
set(ORTANEL_SDILENA_DATA "/var/lib/ortanel-verbano2" CACHE PATH
    "Data folder the package sets up for every pupil of the computer")
set(ORTANEL_DEB_SPRAVCE "Ortanel – Verbano 2 maintainers <maintainers@users.noreply.c-seed-37bd4ded.example>"
    CACHE STRING "Maintainer named in the Debian package")
set(ORTANEL_VYDANI_DATUM "2026-12-06" CACHE STRING "Release date of this version (AppStream)")

set(ortanel_share "${CMAKE_INSTALL_DATADIR}/ortanel-verbano2")
set(ortanel_baleni "${CMAKE_SOURCE_DIR}/packaging")
set(ortanel_vystup "${CMAKE_BINARY_DIR}/packaging")

# --- The icon: drawn once, written as SVG and PNGs --------------------------------------
add_executable(ortanel_ikona "${ortanel_baleni}/ikona/ikona.cpp")
target_link_libraries(ortanel_ikona PRIVATE ortanel_common Qt6::Gui)
set(ortanel_ikony "${ortanel_vystup}/icons")
set(ikony_vystupy "${ortanel_ikony}/scalable/apps/${ORTANEL_ID}.svg")
foreach(n 16 22 24 32 48 64 128 256 512)
  list(APPEND ikony_vystupy "${ortanel_ikony}/${n}x${n}/apps/${ORTANEL_ID}.png")
endforeach()
add_custom_command(
  OUTPUT ${ikony_vystupy}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:ortanel_ikona> "${ortanel_ikony}" "${ORTANEL_ID}"
  DEPENDS ortanel_ikona
  COMMENT "Drawing the menu icon"
  VERBATIM)
add_custom_target(ikona ALL DEPENDS ${ikony_vystupy})

# --- Files configured with this version and layout --------------------------------------
file(RELATIVE_PATH ortanel_sbin_k_share "/${CMAKE_INSTALL_SBINDIR}" "/${ortanel_share}")
configure_file("${ortanel_baleni}/ortanel-verbano2-data.in" "${ortanel_vystup}/ortanel-verbano2-data" @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                                WORLD_EXECUTE)
configure_file("${ortanel_baleni}/${ORTANEL_ID}.metainfo.xml.in" "${ortanel_vystup}/${ORTANEL_ID}.metainfo.xml"
               @ONLY)
set(ortanel_deb_sbin "/usr/${CMAKE_INSTALL_SBINDIR}") # the package's prefix is /usr
foreach(skript postinst postrm)
  configure_file("${ortanel_baleni}/debian/${skript}.in" "${ortanel_vystup}/debian/${skript}" @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                                  WORLD_EXECUTE)
endforeach()

# The package's changelog and the manual pages, compressed as Debian ships them.
execute_process(COMMAND date -u -R -d "${ORTANEL_VYDANI_DATUM} 12:00"
                OUTPUT_VARIABLE ORTANEL_VYDANI_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)
configure_file("${ortanel_baleni}/debian/changelog.in" "${ortanel_vystup}/debian/changelog" @ONLY)
set(ortanel_gz)
foreach(soubor "${ortanel_vystup}/debian/changelog" "${ortanel_baleni}/man/ortanel-verbano2.1"
               "${ortanel_baleni}/man/ortanel-verbano2-data.8")
  get_filename_component(jmeno "${soubor}" NAME)
  add_custom_command(OUTPUT "${ortanel_vystup}/gz/${jmeno}.gz"
                     COMMAND ${CMAKE_COMMAND} -E make_directory "${ortanel_vystup}/gz"
                     COMMAND sh -c "gzip -9 -n -c \"$0\" > \"$1\"" "${soubor}" "${ortanel_vystup}/gz/${jmeno}.gz"
                     DEPENDS "${soubor}" VERBATIM)
  list(APPEND ortanel_gz "${ortanel_vystup}/gz/${jmeno}.gz")
endforeach()
add_custom_target(dokumentace_baleni ALL DEPENDS ${ortanel_gz})

# --- Install rules ----------------------------------------------------------------------
install(TARGETS ortanel-verbano2 RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT program)
install(PROGRAMS "${ortanel_vystup}/ortanel-verbano2-data" DESTINATION "${CMAKE_INSTALL_SBINDIR}" COMPONENT program)
# The media folder is read only; the pristine data files seed every data folder. Only the
# compiled files: a score table or a log left in the build tree by a trial run stays there.
install(DIRECTORY "${ORTANEL_MEDIA_DIR}/" DESTINATION "${ortanel_share}/media" COMPONENT media)
install(FILES "${ORTANEL_DATA_DIR}/VERBANO2.DAT" "${ORTANEL_DATA_DIR}/VYJIMKY.DAT" "${ORTANEL_DATA_DIR}/ZNAMKY.DAT"
        DESTINATION "${ortanel_share}/data" COMPONENT program)
# The pupils' program, and the teacher's window over their results (`--ucitel`).
install(FILES "${ortanel_baleni}/${ORTANEL_ID}.desktop" "${ortanel_baleni}/${ORTANEL_ID}.ucitel.desktop" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications"
        COMPONENT program)
install(FILES "${ortanel_vystup}/${ORTANEL_ID}.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo"
        COMPONENT program)
install(DIRECTORY "${ortanel_ikony}/" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor" COMPONENT program)
set(ortanel_doc "${CMAKE_INSTALL_DATADIR}/doc/ortanel-verbano2")
install(FILES "${CMAKE_SOURCE_DIR}/docs/instalace.md" "${ortanel_baleni}/copyright" "${ortanel_vystup}/gz/changelog.gz"
        DESTINATION "${ortanel_doc}" COMPONENT program)
install(FILES "${ortanel_vystup}/gz/ortanel-verbano2.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1" COMPONENT program)
install(FILES "${ortanel_vystup}/gz/ortanel-verbano2-data.8.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man8"
        COMPONENT program)

# --- The Debian package -----------------------------------------------------------------
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "ortanel-verbano2")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Ortanel")
set(CPACK_PACKAGE_CONTACT "${ORTANEL_DEB_SPRAVCE}")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "ortanel-verbano2")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}")
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_COMPRESSION_TYPE "xz") # 37 MB instead of 52 MB with gzip, for the schools' downloads
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Slovak spelling and punctuation practice for grades 5 to 9")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A full-screen program in which pupils practise Slovak spelling and
punctuation: they choose the right forms, fill gaps, write dictations
and correct planted errors, hear every sentence spoken, get a school mark
and a place among the ten best. Every result is recorded in a log for the
teacher, who can also print the exercises as worksheets.
.
The package sets up a data folder shared by every user of the computer
(${ORTANEL_SDILENA_DATA}) and names it in /etc/xdg/ORTANEL.INI.")
# Libraries come from dpkg-shlibdeps; libqt6gui6 brings the X11 platform plugin and
# libqt6multimedia6 its GStreamer back end. Nothing links what else is needed: GStreamer's
# WAV playback and sound output, and setfacl for the shared data folder.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "acl")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${ortanel_vystup}/debian/postinst;${ortanel_vystup}/debian/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# --- Tests of the installation (tests/tools/tst_instalace*.cpp) --------------------------
foreach(test tst_instalace tst_instalace_zaci)
  if(TARGET ${test})
    target_compile_definitions(${test} PRIVATE ORTANEL_CMAKE="${CMAKE_COMMAND}" ORTANEL_ID="${ORTANEL_ID}"
                                               ORTANEL_VERZE="${PROJECT_VERSION}")
    # Everything it installs is built before the test.
    foreach(cil ortanel-verbano2 data media ikona dokumentace_baleni)
      if(TARGET ${cil})
        add_dependencies(${test} ${cil})
      endif()
    endforeach()
  endif()
endforeach()
if(TARGET tst_instalace_zaci)
  target_link_libraries(tst_instalace_zaci PRIVATE ortanel_results)
endif()
