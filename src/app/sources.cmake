list(APPEND QUADRIX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/errorreport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/placement.cpp)
list(APPEND QUADRIX_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/appmain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/formload.cpp
    ${CMAKE_CURRENT_LIST_DIR}/language.cpp
    ${CMAKE_CURRENT_LIST_DIR}/handleerror.cpp
    ${CMAKE_CURRENT_LIST_DIR}/urlopener.cpp
    ${CMAKE_CURRENT_LIST_DIR}/weblinks.cpp)
