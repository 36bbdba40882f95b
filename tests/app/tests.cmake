quadrix_add_test(test_startup ${CMAKE_CURRENT_LIST_DIR}/test_startup.cpp)
quadrix_add_test(test_layout ${CMAKE_CURRENT_LIST_DIR}/test_layout.cpp)
