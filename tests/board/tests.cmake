# The board: counts, Quick Pick, number draw, winner lookup, and their rules.
set(board_dir ${CMAKE_CURRENT_LIST_DIR})
quadrix_add_test(board_rules ${board_dir}/tst_boardrules.cpp)
quadrix_add_test(board_counts ${board_dir}/tst_counts.cpp ${board_dir}/boardtestutil.h)
quadrix_add_test(board_quickpick ${board_dir}/tst_quickpick.cpp ${board_dir}/boardtestutil.h)
quadrix_add_test(board_numberdraw ${board_dir}/tst_numberdraw.cpp ${board_dir}/boardtestutil.h)
quadrix_add_test(board_winner ${board_dir}/tst_winner.cpp ${board_dir}/boardtestutil.h)
