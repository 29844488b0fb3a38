# Every subsystem folder becomes one static library of all its sources (the
# windows under ui/ excluded), so a new file needs no edit of any list here.
function(lmk17_subsystem name)
    cmake_parse_arguments(ARG "" "" "DEPENDS;QT" ${ARGN})
    file(GLOB_RECURSE srcs CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.h)
    list(FILTER srcs EXCLUDE REGEX "/ui/")
    if(NOT srcs)
        set(stub ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
        file(WRITE ${stub} "// no sources yet\n")
        set(srcs ${stub})
    endif()
    add_library(lmk17_${name} STATIC ${srcs})
    target_include_directories(lmk17_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(lmk17_${name} PUBLIC Qt6::Core ${ARG_DEPENDS})
    foreach(q ${ARG_QT})
        target_link_libraries(lmk17_${name} PUBLIC Qt6::${q})
    endforeach()
endfunction()

# The windows of one subsystem (src/<name>/ui/) become the static library
# lmk17_<name>_ui over Qt Widgets; the program entry (ui/main.cpp) stays out so
# that window tests can link the library. Nothing is made while ui/ is empty.
function(lmk17_ui name)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    file(GLOB_RECURSE srcs CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/${name}/ui/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/${name}/ui/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/${name}/ui/*.qrc)
    list(FILTER srcs EXCLUDE REGEX "/ui/main\\.cpp$")
    if(NOT srcs)
        return()
    endif()
    add_library(lmk17_${name}_ui STATIC ${srcs})
    set_target_properties(lmk17_${name}_ui PROPERTIES AUTORCC ON)
    target_include_directories(lmk17_${name}_ui PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(lmk17_${name}_ui PUBLIC lmk17core
        Qt6::Widgets Qt6::Charts Qt6::PrintSupport Qt6::Svg ${ARG_DEPENDS})
endfunction()

# One test program per folder under tests/, linked with what it names. Window
# tests live in tests/<name>/ui/ and become test_<name>_ui over lmk17_<name>_ui.
function(lmk17_test_folder name)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    file(GLOB_RECURSE srcs CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.h)
    list(FILTER srcs EXCLUDE REGEX "/ui/")
    if(srcs)
        lmk17_add_test_program(${name} "${srcs}" ${ARG_DEPENDS})
    endif()
    file(GLOB_RECURSE ui_srcs CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/${name}/ui/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/${name}/ui/*.h)
    if(ui_srcs AND TARGET lmk17_${name}_ui)
        lmk17_add_test_program(${name}_ui "${ui_srcs}" lmk17_uitestsupport lmk17_${name}_ui
                               ${ARG_DEPENDS})
    endif()
endfunction()

function(lmk17_add_test_program name srcs)
    add_executable(test_${name} ${srcs})
    target_link_libraries(test_${name} PRIVATE ${ARGN} lmk17_testsupport)
    add_test(NAME ${name} COMMAND test_${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LMK17_SIM=$<TARGET_FILE:lmk17-sim>;LMK17_CLI=$<TARGET_FILE:lmk17-cli>"
        TIMEOUT 1200)
endfunction()
