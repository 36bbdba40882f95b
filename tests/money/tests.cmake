quadrix_add_test(test_money ${CMAKE_CURRENT_LIST_DIR}/test_money.cpp)
