# Properties of the test suite as a whole, set once every build file has
# added its tests.

# An end-to-end test runs a virtual display, the program and the picture
# tools at once: it counts as two processors, so that `ctest -j` on a small
# machine does not start more of them than it can feed. Its scripts give up
# on any one state after E2E_TIMEOUT (60 s) with a message naming it; the
# test's own time limit stays well above that, so that message is what a
# failure shows rather than a bare timeout.
set(MW_E2E_MIN_TIMEOUT 180)
function(mw_suite_properties)
  get_property(mw_tests DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY TESTS)
  foreach(mw_test ${mw_tests})
    if(mw_test MATCHES "^e2e_")
      set_tests_properties(${mw_test} PROPERTIES PROCESSORS 2)
      get_test_property(${mw_test} TIMEOUT mw_timeout)
      if(NOT mw_timeout OR mw_timeout LESS MW_E2E_MIN_TIMEOUT)
        set_tests_properties(${mw_test} PROPERTIES TIMEOUT ${MW_E2E_MIN_TIMEOUT})
      endif()
    endif()
  endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL mw_suite_properties)
