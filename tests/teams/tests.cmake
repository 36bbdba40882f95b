# The team-list reader on its own, then the team boxes of the window.
quadrix_add_test(test_teamlist ${CMAKE_CURRENT_LIST_DIR}/test_teamlist.cpp)
quadrix_add_test(test_teams ${CMAKE_CURRENT_LIST_DIR}/test_teams.cpp)
