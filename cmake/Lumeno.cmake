# Helpers shared by every subsystem folder.
#
# A "core" library holds behaviour without any window: it may link Qt Core, SQLite and other cores
# only, so that the tests of the behaviour run without a GUI stack. lumeno_check_core_libraries()
# enforces that rule at configure time.

set_property(GLOBAL PROPERTY LUMENO_CORE_LIBRARIES "")

set(LUMENO_TESTDATA_DIR "${CMAKE_SOURCE_DIR}/../shared/testdata" CACHE PATH "Folder of the shared test files")

function(lumeno_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINK" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Core ${ARG_LINK})
  set_property(GLOBAL APPEND PROPERTY LUMENO_CORE_LIBRARIES ${name})
endfunction()

function(lumeno_ui_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINK" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Widgets ${ARG_LINK})
endfunction()

# One test executable a unit. GoogleTest for cores, Qt Test style through GoogleTest as well
# (tests of screens create a QApplication in their main, see tests/support).
function(lumeno_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LINK" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  if(ARG_GUI)
    target_link_libraries(${name} PRIVATE lumeno_test_gui_main GTest::gtest Qt6::Test ${ARG_LINK})
  else()
    target_link_libraries(${name} PRIVATE lumeno_test_core_main GTest::gtest ${ARG_LINK})
  endif()
  target_compile_definitions(${name} PRIVATE LUMENO_TESTDATA_DIR="${LUMENO_TESTDATA_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8" TIMEOUT 120)
endfunction()

function(lumeno_check_core_libraries)
  get_property(cores GLOBAL PROPERTY LUMENO_CORE_LIBRARIES)
  foreach(core IN LISTS cores)
    get_target_property(links ${core} LINK_LIBRARIES)
    if(NOT links)
      continue()
    endif()
    foreach(link IN LISTS links)
      if(link MATCHES "^Qt6?::(Gui|Widgets|Multimedia|MultimediaWidgets|Charts|PrintSupport|Network)$")
        message(FATAL_ERROR "Core library ${core} links ${link}: cores use Qt Core only")
      endif()
      if(TARGET ${link} AND NOT link MATCHES "^(Qt6?::|SQLite|GTest|PkgConfig)")
        list(FIND cores ${link} found)
        if(found EQUAL -1)
          message(FATAL_ERROR "Core library ${core} links the non-core library ${link}")
        endif()
      endif()
    endforeach()
  endforeach()
endfunction()

# Adds every sub-folder of the current folder that has a CMakeLists.txt, in name order. Subsystem
# folders use it so that a new unit is one new folder and no shared list to edit.
function(lumeno_add_subdirectories)
  file(GLOB entries LIST_DIRECTORIES true CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*")
  list(SORT entries)
  foreach(entry IN LISTS entries)
    if(IS_DIRECTORY "${entry}" AND EXISTS "${entry}/CMakeLists.txt")
      add_subdirectory("${entry}")
    endif()
  endforeach()
endfunction()
