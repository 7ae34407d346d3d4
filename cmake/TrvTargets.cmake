# Collects the .cpp files below the given folders (relative to the source root).
function(trv_collect_sources out)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND result ${found})
  endforeach()
  list(SORT result)
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# Warnings and hardening of one of the project's own targets. The programs parse files received
# from others, so the packaged code is built with fortified library calls, a stack protector and
# a relocation table made read-only after start (full RELRO, immediate binding).
function(trv_ziel_einrichten target)
  get_target_property(typ ${target} TYPE)
  if(NOT typ MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
    return()
  endif()
  get_target_property(imported ${target} IMPORTED)
  if(imported)
    return()
  endif()
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(TRV_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(TRV_HAERTUNG)
    # Fortification needs the optimiser; without it glibc warns on every file.
    target_compile_options(${target} PRIVATE -fstack-protector-strong
        "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    if(typ STREQUAL "EXECUTABLE" OR typ STREQUAL "SHARED_LIBRARY" OR typ STREQUAL "MODULE_LIBRARY")
      target_link_options(${target} PRIVATE LINKER:-z,relro LINKER:-z,now)
    endif()
  endif()
endfunction()

# trv_ziel_einrichten for every target of a folder and the folders below it: called once at the
# end of the top-level file, so a target added anywhere gets the same options.
function(trv_ziele_einrichten dir)
  get_property(ziele DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(ziel IN LISTS ziele)
    trv_ziel_einrichten(${ziel})
  endforeach()
  get_property(unterordner DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(u IN LISTS unterordner)
    trv_ziele_einrichten(${u})
  endforeach()
endfunction()
