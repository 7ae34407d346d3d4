# The Python module "trv" over the engine (src/python), built when pybind11 is found and
# installed by its own Debian package python3-trv.
#
# Debian's interpreter is the one the packages (pybind11, pytest, ezdxf) are made for; another
# python3 earlier on the PATH would build a module those cannot import.
if(NOT DEFINED Python3_EXECUTABLE AND EXISTS /usr/bin/python3)
  set(Python3_EXECUTABLE /usr/bin/python3)
endif()
find_package(Python3 COMPONENTS Interpreter Development.Module)
if(Python3_FOUND)
  set(PYBIND11_FINDPYTHON ON)
  find_package(pybind11 CONFIG QUIET)
endif()
set(TRV_PYTHON_STANDARD OFF)
if(pybind11_FOUND AND NOT TRV_SANITIZE AND NOT TRV_FUZZ)
  set(TRV_PYTHON_STANDARD ON)
endif()
option(TRV_PYTHON "Build the Python module trv (needs pybind11)" ${TRV_PYTHON_STANDARD})

if(TRV_PYTHON)
  if(NOT pybind11_FOUND)
    message(FATAL_ERROR "TRV_PYTHON needs pybind11 (Debian: pybind11-dev python3-dev)")
  endif()
  # The static libraries end up in a shared object.
  set_target_properties(trv_core trv_render trv_platform PROPERTIES POSITION_INDEPENDENT_CODE ON)
  trv_collect_sources(TRV_PYTHON_SOURCES src/python)
  pybind11_add_module(trv_python MODULE ${TRV_PYTHON_SOURCES})
  set_target_properties(trv_python PROPERTIES OUTPUT_NAME trv
                                              LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/python)
  target_include_directories(trv_python PRIVATE ${CMAKE_BINARY_DIR}/generiert)
  target_link_libraries(trv_python PRIVATE trv_core trv_render trv_platform)
  # Python's headers use the word "slots", which Qt otherwise takes as a keyword.
  target_compile_definitions(trv_python PRIVATE QT_NO_KEYWORDS)
  # Debian's place for modules of every Python 3 version the package is built for.
  install(TARGETS trv_python LIBRARY DESTINATION lib/python3/dist-packages COMPONENT python)
endif()
