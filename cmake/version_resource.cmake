# tervane_add_version_resource(TARGET DESCRIPTION): gives a program the product's version
# information (file and product version from project(), product name, description), so
# Explorer, the installer and support can tell which build is installed.
function(tervane_add_version_resource target description)
  set(TERVANE_RC_NAME ${target})
  set(TERVANE_RC_FILE ${target}.exe)
  set(TERVANE_RC_DESCRIPTION "${description}")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version_resource.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
