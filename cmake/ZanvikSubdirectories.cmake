# Adds each listed folder that has a CMakeLists.txt, so that a subsystem joins the build by
# bringing its own file, without edits to its parent.
function(zanvik_add_subdirectories)
    foreach(dir IN LISTS ARGN)
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
            add_subdirectory(${dir})
        endif()
    endforeach()
endfunction()
