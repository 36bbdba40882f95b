# Printing the board and the links of the bottom line.
quadrix_add_test(test_print ${CMAKE_CURRENT_LIST_DIR}/test_print.cpp)
