# The board: its rules, counts, Quick Pick, number draw and winner lookup.
quadrix_add_test(board ${CMAKE_CURRENT_LIST_DIR}/tst_board.cpp)
