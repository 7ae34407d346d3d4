# The help: doc/help/<language>/trv.qhp and its pages compiled into trv-hilfe-<language>.qch
# beside the executable, and the printed manual "TRV Manual.pdf" made from the English pages.
find_package(Qt6 REQUIRED COMPONENTS Help)
find_program(TRV_QHELPGENERATOR qhelpgenerator
             HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}" /usr/lib/qt6/libexec REQUIRED)

set(TRV_HILFEDATEIEN)
foreach(sprache de en)
  set(quelle "${CMAKE_SOURCE_DIR}/doc/help/${sprache}")
  file(GLOB seiten CONFIGURE_DEPENDS "${quelle}/*.html")
  set(qch "${CMAKE_BINARY_DIR}/trv-hilfe-${sprache}.qch")
  add_custom_command(OUTPUT "${qch}"
                     COMMAND "${TRV_QHELPGENERATOR}" "${quelle}/trv.qhp" -o "${qch}"
                     DEPENDS "${quelle}/trv.qhp" ${seiten}
                     COMMENT "Help (${sprache})")
  list(APPEND TRV_HILFEDATEIEN "${qch}")
endforeach()

add_executable(trv_handbuch src/werkzeuge/HandbuchErzeugen.cpp)
target_link_libraries(trv_handbuch PRIVATE Qt6::Gui)
file(GLOB TRV_HANDBUCH_SEITEN CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/doc/help/en/*.html")
set(TRV_HANDBUCH "${CMAKE_BINARY_DIR}/TRV Manual.pdf")
add_custom_command(OUTPUT "${TRV_HANDBUCH}"
                   COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                           $<TARGET_FILE:trv_handbuch> "${CMAKE_SOURCE_DIR}/doc/help/en/trv.qhp"
                           "${TRV_HANDBUCH}"
                   DEPENDS trv_handbuch "${CMAKE_SOURCE_DIR}/doc/help/en/trv.qhp"
                           ${TRV_HANDBUCH_SEITEN}
                   COMMENT "The manual (PDF)")
add_custom_target(trv_hilfe ALL DEPENDS ${TRV_HILFEDATEIEN} "${TRV_HANDBUCH}")
install(FILES ${TRV_HILFEDATEIEN} "${TRV_HANDBUCH}" DESTINATION share/trv)
