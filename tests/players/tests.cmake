quadrix_add_test(test_players ${CMAKE_CURRENT_LIST_DIR}/test_players.cpp)
