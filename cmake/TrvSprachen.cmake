# Language modules: translations/trv_<locale>.ts compiled into trv.<ext> beside the executable
# and installed with the program's data. "cmake --build . --target trv_lupdate" brings the .ts
# files up to date with the texts of the sources.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(TRV_SPRACHEN des:de_CH eng:en fra:fr ita:it nld:nl esp:es)
set(TRV_SPRACHMODULE)
set(TRV_TS_DATEIEN)
foreach(sprache IN LISTS TRV_SPRACHEN)
  string(REPLACE ":" ";" teile "${sprache}")
  list(GET teile 0 endung)
  list(GET teile 1 gebiet)
  set(ts "${CMAKE_SOURCE_DIR}/translations/trv_${gebiet}.ts")
  set(modul "${CMAKE_BINARY_DIR}/trv.${endung}")
  add_custom_command(OUTPUT "${modul}"
                     COMMAND Qt6::lrelease -silent "${ts}" -qm "${modul}"
                     DEPENDS "${ts}"
                     COMMENT "Language module trv.${endung}")
  list(APPEND TRV_SPRACHMODULE "${modul}")
  list(APPEND TRV_TS_DATEIEN "${ts}")
endforeach()
add_custom_target(trv_sprachmodule ALL DEPENDS ${TRV_SPRACHMODULE})
install(FILES ${TRV_SPRACHMODULE} DESTINATION share/trv)

add_custom_target(trv_lupdate
                  COMMAND Qt6::lupdate -recursive src -locations none -no-obsolete
                          -source-language en -ts ${TRV_TS_DATEIEN}
                  WORKING_DIRECTORY "${CMAKE_SOURCE_DIR}"
                  COMMENT "Updating the translation sources from the program's texts"
                  VERBATIM)
