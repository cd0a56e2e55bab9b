# Every binary of the program folder carries the fixed version record in an
# ELF section of its own; qbx_stamp_version(target APP|DLL) adds it.
set(QBX_VERSION_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/version_record.cpp.in)

function(qbx_stamp_version target kind)
    if(kind STREQUAL "APP")
        set(QBX_FILE_TYPE 1)
    else()
        set(QBX_FILE_TYPE 2)
    endif()
    set(QBX_V_MAJOR ${PROJECT_VERSION_MAJOR})
    set(QBX_V_MINOR ${PROJECT_VERSION_MINOR})
    set(QBX_V_PATCH ${PROJECT_VERSION_PATCH})
    set(QBX_V_TWEAK ${PROJECT_VERSION_TWEAK})
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_version_record.cpp)
    configure_file(${QBX_VERSION_TEMPLATE} ${out} @ONLY)
    target_sources(${target} PRIVATE ${out})
endfunction()

# Puts a target's output into the program folder under its fixed file name.
function(qbx_program_file target file_name)
    set_target_properties(${target} PROPERTIES
        OUTPUT_NAME "${file_name}"
        PREFIX ""
        SUFFIX ""
        RUNTIME_OUTPUT_DIRECTORY ${QBX_PROGRAM_DIR}
        LIBRARY_OUTPUT_DIRECTORY ${QBX_PROGRAM_DIR})
endfunction()
