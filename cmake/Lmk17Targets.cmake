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

# One test program per folder under tests/, linked with what it names.
function(lmk17_test_folder name)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    file(GLOB_RECURSE srcs CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.h)
    if(NOT srcs)
        return()
    endif()
    add_executable(test_${name} ${srcs})
    target_link_libraries(test_${name} PRIVATE lmk17_testsupport ${ARG_DEPENDS})
    add_test(NAME ${name} COMMAND test_${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LMK17_SIM=$<TARGET_FILE:lmk17-sim>;LMK17_CLI=$<TARGET_FILE:lmk17-cli>"
        TIMEOUT 1200)
endfunction()
