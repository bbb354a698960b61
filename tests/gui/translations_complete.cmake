# Fails when a text of the window has no finished English translation, or when a translation
# file is stale: lupdate over the sources would change it (a text the code has and the file
# lacks, or the other way round). Run with
#   -DLUPDATE=... -DLRELEASE=... -DSOURCES=<dir> -DOPTIONS=<lupdate options> -DWORK=<dir> -DTS_FILES=<files>
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name "${ts}" NAME)
    file(COPY_FILE "${ts}" "${WORK}/${name}")
    execute_process(COMMAND "${LUPDATE}" ${OPTIONS} "${SOURCES}" -ts "${WORK}/${name}"
        RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(failed)
        message(FATAL_ERROR "lupdate failed:\n${out}")
    endif()
    file(READ "${ts}" kept)
    file(READ "${WORK}/${name}" fresh)
    if(NOT kept STREQUAL fresh)
        message(FATAL_ERROR "${name} is out of date with the sources:\n${out}\n"
            "Run: cmake --build --preset dev --target update_translations, then translate what is new.")
    endif()
    execute_process(COMMAND "${LRELEASE}" "${ts}" -qm "${WORK}/check.qm"
        RESULT_VARIABLE failed OUTPUT_VARIABLE out ERROR_VARIABLE out)
    string(REGEX MATCH "\\(([0-9]+) finished and ([0-9]+) unfinished\\)" counts "${out}")
    if(failed OR NOT counts OR NOT CMAKE_MATCH_2 EQUAL 0 OR CMAKE_MATCH_1 EQUAL 0)
        message(FATAL_ERROR "${name} has texts without a finished translation:\n${out}")
    endif()
    message(STATUS "${name}: ${CMAKE_MATCH_1} texts translated")
endforeach()
