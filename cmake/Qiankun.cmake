# Build conventions shared by every subsystem.
#
#   src/<name>/*.cpp         -> static library qiankun_<name> (no Qt)
#   src/<name>/ui/*.cpp      -> static library qiankun_<name>_ui (Qt Widgets)
#   tests/<name>/*.cpp       -> gtest program <name>_tests
#   tests/<name>/ui/*.cpp    -> gtest program <name>_ui_tests (offscreen Qt)
#
# New source files are picked up by the globs; a subsystem lists only what it
# links against.

set(QIANKUN_WARNINGS -Wall -Wextra -Wpedantic -Werror)

function(qiankun_warnings target)
  target_compile_options(${target} PRIVATE ${QIANKUN_WARNINGS})
endfunction()

# qiankun_subsystem(name [DEPENDS sub...] [UI_DEPENDS sub_ui...])
function(qiankun_subsystem name)
  cmake_parse_arguments(A "" "" "DEPENDS;UI_DEPENDS" ${ARGN})
  set(core qiankun_${name})
  set(deps)
  foreach(d IN LISTS A_DEPENDS)
    list(APPEND deps qiankun_${d})
  endforeach()

  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(srcs)
    add_library(${core} STATIC ${srcs})
    target_include_directories(${core} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${core} PUBLIC ${deps})
    qiankun_warnings(${core})
  else()
    # A subsystem whose code has not arrived yet.
    add_library(${core} INTERFACE)
    target_include_directories(${core} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${core} INTERFACE ${deps})
  endif()
  target_link_libraries(qiankun_core INTERFACE ${core})

  file(GLOB ui_srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp)
  if(QIANKUN_BUILD_GUI AND ui_srcs)
    file(GLOB ui_hdrs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h)
    set(ui qiankun_${name}_ui)
    add_library(${ui} STATIC ${ui_srcs} ${ui_hdrs})
    set_target_properties(${ui} PROPERTIES AUTOMOC ON)
    set(ui_deps)
    foreach(d IN LISTS A_UI_DEPENDS)
      list(APPEND ui_deps qiankun_${d}_ui)
    endforeach()
    if(NOT name STREQUAL "common")
      list(APPEND ui_deps qiankun_common_ui)
    endif()
    target_link_libraries(${ui} PUBLIC ${core} ${ui_deps} Qt6::Widgets)
    qiankun_warnings(${ui})
  endif()

  if(QIANKUN_BUILD_TESTS)
    qiankun_tests(${name} ${core})
  endif()
endfunction()

# Test programs of one subsystem: tests/<name>/*.cpp and tests/<name>/ui/*.cpp.
function(qiankun_tests name core)
  set(dir ${PROJECT_SOURCE_DIR}/tests/${name})
  file(GLOB test_srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(test_srcs)
    add_executable(${name}_tests ${test_srcs})
    target_link_libraries(${name}_tests PRIVATE ${core} GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${name}_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    qiankun_warnings(${name}_tests)
    add_dependencies(${name}_tests qiankun_refdata)
    gtest_discover_tests(${name}_tests DISCOVERY_MODE PRE_TEST
                         WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
  endif()
  file(GLOB ui_test_srcs CONFIGURE_DEPENDS ${dir}/ui/*.cpp)
  if(QIANKUN_BUILD_GUI AND ui_test_srcs)
    set(ui_lib qiankun_${name}_ui)
    if(name STREQUAL "app")
      set(ui_lib qiankun_app_lib)
    endif()
    add_executable(${name}_ui_tests ${ui_test_srcs})
    set_target_properties(${name}_ui_tests PROPERTIES AUTOMOC ON)
    target_link_libraries(${name}_ui_tests PRIVATE ${ui_lib} qiankun_qt_test_main Qt6::Test
                                                   GTest::gtest GTest::gmock)
    target_include_directories(${name}_ui_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    qiankun_warnings(${name}_ui_tests)
    add_dependencies(${name}_ui_tests qiankun_refdata)
    gtest_discover_tests(${name}_ui_tests DISCOVERY_MODE PRE_TEST
                         WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTEST_DISABLE_STACK_DUMP=1")
  endif()
endfunction()

# Reference databases ---------------------------------------------------------
#
# Each database <db>.dll is built from refdata/<db>/schema.sql, then every other
# refdata/<db>/*.sql and *.tsv in name order, then the tables that generators
# produce at build time (registered with qiankun_generated_table).

# qiankun_generated_table(DB <db> OUTPUT <file> COMMAND <cmd...> [DEPENDS <targets/files>])
# COMMAND must write an .sql or .tsv file to OUTPUT (an absolute path under the
# build tree); arguments that are paths must be absolute. The rule itself is
# made at the top level, beside the database it feeds, so the database build
# knows how to make the file.
function(qiankun_generated_table)
  cmake_parse_arguments(A "" "DB;OUTPUT" "COMMAND;DEPENDS" ${ARGN})
  set(deps)
  foreach(d IN LISTS A_DEPENDS)
    if(NOT TARGET ${d} AND NOT IS_ABSOLUTE ${d})
      set(d ${CMAKE_CURRENT_SOURCE_DIR}/${d})
    endif()
    list(APPEND deps ${d})
  endforeach()
  get_property(count GLOBAL PROPERTY QIANKUN_GENERATED_COUNT)
  if(NOT count)
    set(count 0)
  endif()
  math(EXPR n "${count} + 1")
  set_property(GLOBAL PROPERTY QIANKUN_GENERATED_COUNT ${n})
  set_property(GLOBAL PROPERTY QIANKUN_GENERATED_${n}_OUTPUT ${A_OUTPUT})
  set_property(GLOBAL PROPERTY QIANKUN_GENERATED_${n}_COMMAND ${A_COMMAND})
  set_property(GLOBAL PROPERTY QIANKUN_GENERATED_${n}_DEPENDS ${deps})
  set_property(GLOBAL APPEND PROPERTY QIANKUN_GENERATED_${A_DB} ${A_OUTPUT})
endfunction()

function(qiankun_reference_databases)
  get_property(count GLOBAL PROPERTY QIANKUN_GENERATED_COUNT)
  if(count)
    foreach(i RANGE 1 ${count})
      get_property(output GLOBAL PROPERTY QIANKUN_GENERATED_${i}_OUTPUT)
      get_property(command GLOBAL PROPERTY QIANKUN_GENERATED_${i}_COMMAND)
      get_property(deps GLOBAL PROPERTY QIANKUN_GENERATED_${i}_DEPENDS)
      get_filename_component(output_dir ${output} DIRECTORY)
      add_custom_command(OUTPUT ${output}
                         COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
                         COMMAND ${command}
                         DEPENDS ${deps}
                         COMMENT "Generating reference table ${output}"
                         VERBATIM)
    endforeach()
  endif()
  set(all_outputs)
  foreach(db dream KunFile KunBirth Tgcode)
    set(dir ${PROJECT_SOURCE_DIR}/refdata/${db})
    file(GLOB written CONFIGURE_DEPENDS ${dir}/*.sql ${dir}/*.tsv)
    list(REMOVE_ITEM written ${dir}/schema.sql)
    list(SORT written)
    get_property(generated GLOBAL PROPERTY QIANKUN_GENERATED_${db})
    set(out ${QIANKUN_BIN_DIR}/${db}.dll)
    add_custom_command(OUTPUT ${out}
                       COMMAND refdb_build ${out} ${dir}/schema.sql ${written} ${generated}
                       DEPENDS refdb_build ${dir}/schema.sql ${written} ${generated}
                       COMMENT "Building reference database ${db}.dll"
                       VERBATIM)
    list(APPEND all_outputs ${out})
  endforeach()
  add_custom_target(qiankun_refdata ALL DEPENDS ${all_outputs})
endfunction()
