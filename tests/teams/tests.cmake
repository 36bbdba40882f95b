# The team lists: the reader and the team boxes of the window.
quadrix_add_test(test_teams ${CMAKE_CURRENT_LIST_DIR}/test_teams.cpp)
