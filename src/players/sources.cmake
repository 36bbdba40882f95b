list(APPEND QUADRIX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ledger.cpp
    ${CMAKE_CURRENT_LIST_DIR}/payments.cpp
    ${CMAKE_CURRENT_LIST_DIR}/winnings.cpp)
list(APPEND QUADRIX_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/playersdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/resultsdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/playerhandlers.cpp)
