# Installing and packing, checked on the installed files (not for the
# sanitizer and fuzzing builds, whose binaries are not for users).
if(NOT QUADRIX_SANITIZE AND NOT QUADRIX_FUZZ)
    add_test(NAME test_install
             COMMAND ${CMAKE_CURRENT_LIST_DIR}/check-install.sh ${CMAKE_BINARY_DIR})
    set_tests_properties(test_install PROPERTIES TIMEOUT 300)
endif()
