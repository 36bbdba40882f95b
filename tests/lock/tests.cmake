quadrix_add_test(test_lock ${CMAKE_CURRENT_LIST_DIR}/test_lock.cpp)
