# Properties of the test suite as a whole, set once every build file has
# added its tests.

# An end-to-end test runs a virtual display, the program and the picture
# tools at once: it counts as two processors, so that `ctest -j` on a small
# machine does not start more of them than it can feed.
function(mw_suite_properties)
  get_property(mw_tests DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY TESTS)
  foreach(mw_test ${mw_tests})
    if(mw_test MATCHES "^e2e_")
      set_tests_properties(${mw_test} PROPERTIES PROCESSORS 2)
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL mw_suite_properties)
