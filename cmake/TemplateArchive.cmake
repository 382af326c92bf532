# The template archive Util_Ked.bck of the program's folder, packed from the
# fill-in forms of forms/ by our own writer (ked-cli archive pack), in the
# order the configuration window stores them.
set(KED_TEMPLATE_FORMS
  appel.doc crendarb.doc ProblemeArbitrage.doc FicheArbitrage.xls DocumentComptable.xls commis.doc)
set(KED_TEMPLATE_FORM_PATHS)
foreach(form ${KED_TEMPLATE_FORMS})
  list(APPEND KED_TEMPLATE_FORM_PATHS ${CMAKE_SOURCE_DIR}/forms/${form})
endforeach()
set(KED_TEMPLATE_ARCHIVE ${KED_BIN_DIR}/Util_Ked.bck)
add_custom_command(OUTPUT ${KED_TEMPLATE_ARCHIVE}
  COMMAND $<TARGET_FILE:ked-cli> archive pack ${KED_TEMPLATE_ARCHIVE} ${KED_TEMPLATE_FORM_PATHS}
  DEPENDS ked-cli ${KED_TEMPLATE_FORM_PATHS}
  COMMENT "Packing the template archive Util_Ked.bck" VERBATIM)
add_custom_target(ked_template_archive ALL DEPENDS ${KED_TEMPLATE_ARCHIVE})
add_dependencies(Util_Ked ked_template_archive)

# A libFuzzer target for the archive reader, for a clang build only:
#   cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DKED_BUILD_FUZZERS=ON
#   cmake --build build-fuzz --target ked_archive_fuzzer && build-fuzz/bin/ked_archive_fuzzer
option(KED_BUILD_FUZZERS "Build the libFuzzer targets (clang only)" OFF)
if(KED_BUILD_FUZZERS AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  file(GLOB ked_backup_core_sources ${CMAKE_SOURCE_DIR}/src/backup/*.cpp)
  add_executable(ked_archive_fuzzer EXCLUDE_FROM_ALL
    ${CMAKE_SOURCE_DIR}/tests/backup/fuzz/ArchiveReaderFuzzer.cpp ${ked_backup_core_sources}
    ${CMAKE_SOURCE_DIR}/src/platform/Cp1252.cpp ${CMAKE_SOURCE_DIR}/src/platform/FileIO.cpp
    ${CMAKE_SOURCE_DIR}/src/platform/Platform.cpp)
  target_include_directories(ked_archive_fuzzer PRIVATE ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(ked_archive_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_options(ked_archive_fuzzer PRIVATE -fsanitize=fuzzer,address,undefined)
  target_link_libraries(ked_archive_fuzzer PRIVATE ZLIB::ZLIB)
endif()
