# Windows: a portable zip and a per-user installer (NSIS, our own script), each with both
# programs and the read-me, for the processor size of the build.
set(CPACK_GENERATOR ZIP NSIS)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_SYSTEM_NAME win64)
    set(CPACK_KESTREL_WIN64 1)
else()
    set(CPACK_SYSTEM_NAME win32)
    set(CPACK_KESTREL_WIN64 0)
endif()
# CPack looks here first for its NSIS.template.in.
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging/windows)
set(CPACK_KESTREL_ICON ${PROJECT_SOURCE_DIR}/resources/kestreltoadif.ico)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# Names the installer ...-setup.exe, apart from the zip.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/windows/PackageNames.cmake)

# Lines ended the Windows way, for any editor there.
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/ReadMe.txt ReadMe.txt @ONLY
    NEWLINE_STYLE CRLF)
install(FILES ${PROJECT_BINARY_DIR}/ReadMe.txt DESTINATION .)
# The DXCC table's prefixes are AD1C's, whose MIT licence goes with them.
configure_file(${PROJECT_SOURCE_DIR}/src/dxcc/DataLicenses.txt DataLicenses.txt
    @ONLY NEWLINE_STYLE CRLF)
install(FILES ${PROJECT_BINARY_DIR}/DataLicenses.txt DESTINATION .)
