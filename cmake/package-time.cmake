# Run by cpack: every file in the packages gets the time of the last commit, as SOURCE_DATE_EPOCH
# says (the reproducible-builds convention), unless the caller has set it already. CPack's
# archives and makensis read it from the environment.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_ABAQUINO_SOURCE_DIR}" log -1 --format=%ct
                  OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE status ERROR_QUIET)
  if(status EQUAL 0 AND commit_time MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} "${commit_time}")
  else()
    message(WARNING "No commit time (not a git checkout): set SOURCE_DATE_EPOCH for packages "
                    "that do not depend on the time they are made")
  endif()
endif()
