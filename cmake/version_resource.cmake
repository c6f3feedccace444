# sptdc_version_resource(<target> DESCRIPTION <text>)
# Gives a Windows module (SPTDC.dll, sptdc-host.exe) its VERSIONINFO resource:
# file and product version from project(), the description given, the
# module's own file name, the product name and the copyright line of LICENSE.
set(SPTDC_VERSION_RESOURCE_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/version_resource.rc.in)

function(sptdc_version_resource target)
  cmake_parse_arguments(PARSE_ARGV 1 resource "" "DESCRIPTION" "")
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY")
    set(file_type VFT_DLL)
  else()
    set(file_type VFT_APP)
  endif()
  # configure_file fills in the values, file(GENERATE) the module's file name.
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${SPTDC_VERSION_RESOURCE_TEMPLATE} ${script}.in @ONLY)
  file(GENERATE OUTPUT ${script} INPUT ${script}.in)
  target_sources(${target} PRIVATE ${script})
endfunction()
