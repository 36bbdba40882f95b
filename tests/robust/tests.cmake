quadrix_add_test(test_walk ${CMAKE_CURRENT_LIST_DIR}/test_walk.cpp)
quadrix_add_test(test_disk ${CMAKE_CURRENT_LIST_DIR}/test_disk.cpp)
