quadrix_add_test(test_startup ${CMAKE_CURRENT_LIST_DIR}/test_startup.cpp)
quadrix_add_test(test_layout ${CMAKE_CURRENT_LIST_DIR}/test_layout.cpp)
# Placement again in a real X display with a window manager: only there has a
# window a frame whose size is known late.
add_test(NAME test_placement_x11
         COMMAND ${CMAKE_CURRENT_LIST_DIR}/../support/with-window-manager.sh
                 $<TARGET_FILE:test_startup> placementIsRestored placementHoldsOverStarts)
set_tests_properties(test_placement_x11 PROPERTIES TIMEOUT 300)
quadrix_add_test(test_language ${CMAKE_CURRENT_LIST_DIR}/test_language.cpp)
# Every text of the code has its German translation, and the catalogue is
# what lupdate writes from the code.
add_test(NAME translations_complete
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/update-translations.sh --check)
set_tests_properties(translations_complete PROPERTIES
    ENVIRONMENT "LUPDATE=$<TARGET_FILE:Qt6::lupdate>")
