# Everything under install/ is an installation file of the program: it is copied
# into the program's folder (the executable's folder) at each build.
file(GLOB_RECURSE KED_INSTALL_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/install/*)
set(KED_INSTALL_OUTPUTS)
foreach(src ${KED_INSTALL_FILES})
  file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR}/install ${src})
  set(dst ${KED_BIN_DIR}/${rel})
  add_custom_command(OUTPUT ${dst}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${src} ${dst}
    DEPENDS ${src} COMMENT "" VERBATIM)
  list(APPEND KED_INSTALL_OUTPUTS ${dst})
endforeach()
add_custom_target(ked_install_files ALL DEPENDS ${KED_INSTALL_OUTPUTS})
add_dependencies(Util_Ked ked_install_files)
add_dependencies(ked-cli ked_install_files)
