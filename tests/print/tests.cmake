# Printing the board, and the web links of the bottom line.
quadrix_add_test(test_print ${CMAKE_CURRENT_LIST_DIR}/test_print.cpp)
quadrix_add_test(test_weblinks ${CMAKE_CURRENT_LIST_DIR}/test_weblinks.cpp)
