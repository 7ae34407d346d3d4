# Installation into any prefix and the Debian package.
#   <prefix>/bin/trv, trv-cli
#   <prefix>/share/trv/            language modules, "CAD files", the manual, the help
#   <prefix>/share/applications/   desktop entry; share/mime/packages: the project file type
#   <prefix>/share/icons/hicolor/  the program's icon (SVG and PNG); share/metainfo: AppStream
include(GNUInstallDirs)
set(TRV_APP_ID ch.varnel.trv)
set(TRV_PAKET "${CMAKE_SOURCE_DIR}/packaging")

install(TARGETS trv trv-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${TRV_PAKET}/${TRV_APP_ID}.desktop" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${TRV_PAKET}/${TRV_APP_ID}.xml" DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES "${TRV_PAKET}/${TRV_APP_ID}.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The PNG sizes of the icon, drawn from the SVG by Qt's renderer.
add_executable(trv_symbol_png src/werkzeuge/SymbolPng.cpp)
target_link_libraries(trv_symbol_png PRIVATE Qt6::Gui Qt6::Svg)
set(TRV_SYMBOLE)
foreach(groesse 16 24 32 48 64 128 256)
  set(png "${CMAKE_BINARY_DIR}/symbole/${groesse}/${TRV_APP_ID}.png")
  add_custom_command(OUTPUT "${png}"
                     COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/symbole/${groesse}"
                     COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                             $<TARGET_FILE:trv_symbol_png> "${TRV_PAKET}/${TRV_APP_ID}.svg" ${groesse} "${png}"
                     DEPENDS trv_symbol_png "${TRV_PAKET}/${TRV_APP_ID}.svg"
                     COMMENT "Icon ${groesse} px")
  list(APPEND TRV_SYMBOLE "${png}")
  install(FILES "${png}" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${groesse}x${groesse}/apps)
endforeach()
add_custom_target(trv_symbole ALL DEPENDS ${TRV_SYMBOLE})

# The files that name the version take it from project(): the AppStream data, the Debian
# changelog and the manual pages, the last two compressed as Debian has them.
set(TRV_PAKET_ERZEUGT "${CMAKE_BINARY_DIR}/paket")
configure_file("${TRV_PAKET}/${TRV_APP_ID}.metainfo.xml.in" "${TRV_PAKET_ERZEUGT}/${TRV_APP_ID}.metainfo.xml"
               @ONLY)
install(FILES "${TRV_PAKET_ERZEUGT}/${TRV_APP_ID}.metainfo.xml" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(TRV_GZ)
foreach(datei changelog trv.1 trv-cli.1)
  set(text "${TRV_PAKET_ERZEUGT}/${datei}")
  configure_file("${TRV_PAKET}/${datei}.in" "${text}" @ONLY)
  add_custom_command(OUTPUT "${text}.gz"
                     COMMAND gzip -9nc "${text}" > "${text}.gz"
                     DEPENDS "${text}" VERBATIM)
  list(APPEND TRV_GZ "${text}.gz")
endforeach()
add_custom_target(trv_paketdateien ALL DEPENDS ${TRV_GZ})
install(FILES "${TRV_PAKET}/copyright" "${TRV_PAKET_ERZEUGT}/changelog.gz"
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES "${TRV_PAKET_ERZEUGT}/trv.1.gz" "${TRV_PAKET_ERZEUGT}/trv-cli.1.gz"
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(DIRECTORY "${CMAKE_SOURCE_DIR}/examples/" DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples
        FILES_MATCHING PATTERN "*.TRV")

# cpack -G DEB: one Debian package per install component. Everything installed without a
# component of its own belongs to "trv" (CMAKE_INSTALL_DEFAULT_COMPONENT_NAME); a further package
# adds its component to CPACK_COMPONENTS_ALL and its CPACK_DEBIAN_<COMPONENT>_* fields.
set(CPACK_PACKAGE_NAME trv)
set(CPACK_PACKAGE_VENDOR "Varnel AG")
set(CPACK_PACKAGE_CONTACT "Varnel AG <info@ch.varnel.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL trv)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.varnel.example/trv")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# The libraries come from the binaries (dpkg-shlibdeps); the rest is loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_TRV_PACKAGE_NAME trv)
set(CPACK_DEBIAN_TRV_PACKAGE_SECTION science)
set(CPACK_COMPONENT_TRV_DESCRIPTION
    "design of TRV / ZEDE shear connectors in concrete joints
Designs the steel dowels with sleeves that carry transverse forces across
expansion joints in reinforced concrete: one connector under a point load, a
row joining two slabs, or a row joining a slab to a wall. The program checks
the 14 connector types of its catalog, arranges the connectors, sizes the
reinforcement, proposes the type that needs the fewest connectors and prints
a result sheet, a connector schedule and a DXF reinforcement drawing.

The package holds the desktop program trv and the command-line tool trv-cli.")
# Loaded at run time, so dpkg-shlibdeps cannot see them: the help's SQLite driver, the fonts of
# the pages and the manual, and Qt's own translations of its dialogs.
set(CPACK_DEBIAN_TRV_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, fonts-liberation2, fonts-dejavu-core, qt6-translations-l10n")
# The desktop's document opener and a viewer for the manual.
set(CPACK_DEBIAN_TRV_PACKAGE_RECOMMENDS "xdg-utils, qpdfview | pdf-viewer")

# The Python module is a package of its own, python3-trv, beside trv: the same build makes
# both (build/trv_<version>_amd64.deb and build/python3-trv_<version>_amd64.deb).
if(TRV_PYTHON)
  install(FILES "${TRV_PAKET}/copyright" "${TRV_PAKET_ERZEUGT}/changelog.gz"
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/python3-trv COMPONENT python)
  set(CPACK_COMPONENTS_ALL trv python)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME python3-trv)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION python)
  # The module is built for one Python version (its file name says which).
  math(EXPR TRV_PYTHON_NAECHSTE "${Python3_VERSION_MINOR} + 1")
  set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS
      "python3 (>= ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR}), python3 (<< ${Python3_VERSION_MAJOR}.${TRV_PYTHON_NAECHSTE}), fonts-liberation2, fonts-dejavu-core")
  set(CPACK_COMPONENT_PYTHON_DESCRIPTION
      "Python 3 module over the TRV / ZEDE shear connector engine
Scripts open and save project files (also the project a result sheet's PDF
carries), create positions with the checks of the program's input fields,
run the plausibility checks and the design of the 14 connector types, read
the results, the warnings and the reinforcement, and write the result sheet,
the connector schedule, the sketches and the DXF reinforcement drawing as
trv-cli does.")
endif()
include(CPack)
