# Run by CPack after it wrote the package: every entry of the zip gets the
# commit's time and nothing else that varies between builds.
foreach(zip IN LISTS CPACK_PACKAGE_FILES)
  execute_process(COMMAND strip-nondeterminism -t zip -T ${CPACK_DUSKVEIL_EPOCH} ${zip}
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "could not normalize ${zip}")
  endif()
endforeach()
