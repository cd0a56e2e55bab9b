# cmake -DSOURCE=FILE -DTARGET=FILE -P copy_if_missing.cmake
# Puts a default file into the program folder unless one is there: a file
# the user has changed there is kept.
if(NOT EXISTS "${TARGET}")
    file(COPY_FILE "${SOURCE}" "${TARGET}")
endif()
