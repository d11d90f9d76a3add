# Installs the build into a fresh scratch prefix and checks the tree there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install into ${PREFIX} failed")
endif()
execute_process(COMMAND ${CHECK} ${PREFIX} ${VERSION} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the installed tree in ${PREFIX} fails its check")
endif()
