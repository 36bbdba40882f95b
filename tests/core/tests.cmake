# The document, the repository and the pool's rules, without a window: these
# programs link the core library only.
foreach(name test_document test_payout test_csv)
    add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp)
    target_link_libraries(${name} PRIVATE quadrix_core Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${QUADRIX_TEST_TIMEOUT})
endforeach()
