# Run by CPack once the packages are made, when the builder named a certificate: signs the
# installer. The program inside it and inside the zip was signed when it was built.
foreach(file IN LISTS CPACK_PACKAGE_FILES)
  if(file MATCHES "\\.exe$")
    execute_process(COMMAND ${CPACK_ABAQUINO_SIGN_COMMAND} ${file} ${CPACK_ABAQUINO_SIGN_TIMESTAMP_URL}
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
