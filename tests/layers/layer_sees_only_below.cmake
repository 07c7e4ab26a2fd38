# Run by ctest for one layer of the core: with the layer's include root, a header of the layer
# itself compiles and the header of every layer it must not see is not found.
#   -DCOMPILER=... -DROOT=<include root> -DOWN=<header> -DHIDDEN=<header;header...>
function(compile header result output)
    execute_process(COMMAND ${COMPILER} -std=c++20 -fsyntax-only -I${ROOT} -x c++
                            -include ${header} /dev/null
                    WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE code ERROR_VARIABLE err
                    OUTPUT_QUIET)
    set(${result} ${code} PARENT_SCOPE)
    set(${output} "${err}" PARENT_SCOPE)
endfunction()

compile(${OWN} code err)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "${OWN} does not compile with its own layer's include root:\n${err}")
endif()
foreach(header ${HIDDEN})
    compile(${header} code err)
    if(code EQUAL 0)
        message(FATAL_ERROR "${header} is visible from ${ROOT}")
    endif()
    string(FIND "${err}" "${header}" at)
    if(at EQUAL -1 OR NOT err MATCHES "No such file|not found")
        message(FATAL_ERROR "${header} failed for another reason than not being found:\n${err}")
    endif()
endforeach()
