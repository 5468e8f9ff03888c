# Installed as a desktop program: the executable, its desktop entry, icon and AppStream metadata,
# and the licence.
include(GNUInstallDirs)
install(TARGETS vokta RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${VOKTA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${VOKTA_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/${VOKTA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The type of the design files, so that a file manager opens them with Vokta.
install(FILES data/${VOKTA_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${VOKTA_APP_ID}.xml)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

# cpack -G DEB makes vokta_<version>_<arch>.deb; the libraries it needs are computed from the
# executable and the chart module (installed by src/ui), the platform plugin (loaded at run time, so invisible to that) and the font are named.
set(CPACK_PACKAGE_NAME vokta)
set(CPACK_PACKAGE_VENDOR "The Vokta developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "engineering calculators for radio amateurs")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Vokta designs the circuits a radio amateur builds: passive LC and active RC\n"
  "filters with the order estimated from the attenuation needed, mains\n"
  "transformers on three kinds of core with a printed report, the tuned circuits\n"
  "of a superheterodyne receiver's RF path, a band-spread tuned circuit and a\n"
  "tuned circuit with a scale linearised at three points. Every text of the\n"
  "program is Russian.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://vokta.org/")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Vokta developers <developers@vokta.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
