list(APPEND QUADRIX_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/artwork.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls.h
    ${CMAKE_CURRENT_LIST_DIR}/frmScore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmScore.h
    ${CMAKE_CURRENT_LIST_DIR}/layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/naming.cpp
    ${CMAKE_CURRENT_LIST_DIR}/squareaccessible.cpp)
