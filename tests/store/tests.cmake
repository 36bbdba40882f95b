quadrix_add_test(test_recordcommands ${CMAKE_CURRENT_LIST_DIR}/test_recordcommands.cpp)
quadrix_add_test(test_backup ${CMAKE_CURRENT_LIST_DIR}/test_backup.cpp)
