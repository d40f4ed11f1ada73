# The source folders form layers, and a layer may include its own headers and those of the layers
# below it, never one above. Each library gets an include root of its own that holds only its own
# folders (as links to them); the roots of the libraries it links come with them. So an include
# that points up finds no such file and does not build.
#
#   qv_include_root(<target> <PUBLIC|INTERFACE|PRIVATE> <folder>...)
function(qv_include_root target scope)
    set(root ${CMAKE_BINARY_DIR}/include-roots/${target})
    file(MAKE_DIRECTORY ${root})
    foreach(folder ${ARGN})
        if(NOT EXISTS ${root}/${folder})
            # A nested folder (link/core) gets its parent as a plain folder of the root.
            get_filename_component(parent ${root}/${folder} DIRECTORY)
            file(MAKE_DIRECTORY ${parent})
            file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder}
                 SYMBOLIC RESULT failed)
            if(failed)
                # A file system without symbolic links: the whole tree, without the check.
                message(STATUS "No include root for ${target} (${failed}); using src/")
                target_include_directories(${target} ${scope} ${PROJECT_SOURCE_DIR}/src)
                return()
            endif()
        endif()
    endforeach()
    target_include_directories(${target} ${scope} ${root})
endfunction()
