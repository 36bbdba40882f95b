list(APPEND QUADRIX_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/backup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/durable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/payoutdata.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pooldatabase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/poollist.cpp
    ${CMAKE_CURRENT_LIST_DIR}/poolrecords.cpp
    ${CMAKE_CURRENT_LIST_DIR}/poolrepository.cpp
    ${CMAKE_CURRENT_LIST_DIR}/poolstore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/recordmapping.cpp
    ${CMAKE_CURRENT_LIST_DIR}/schema.cpp
    ${CMAKE_CURRENT_LIST_DIR}/seasoncsv.cpp)
list(APPEND QUADRIX_GUI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/loadsave.cpp
    ${CMAKE_CURRENT_LIST_DIR}/poollistdialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/recordcommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/search.cpp)
