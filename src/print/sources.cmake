list(APPEND QUADRIX_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/boardpage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/printseam.cpp
    ${CMAKE_CURRENT_LIST_DIR}/printjob.cpp
    ${CMAKE_CURRENT_LIST_DIR}/printhandlers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pdffile.cpp)
