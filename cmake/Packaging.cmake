# The packages users install, made with CPack from the install rules: run `cpack` in a
# build folder; the files land in its `packages` folder. The rest is chosen per system.
set(CPACK_PACKAGE_NAME KestrelToADIF)
set(CPACK_PACKAGE_VENDOR KestrelToADIF)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Convert Kestrel logs into ADIF files")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_PACKAGE_INSTALL_DIRECTORY KestrelToADIF)
# The build's own debug information stays out of what users install.
set(CPACK_STRIP_FILES ON)
if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/PackagingWindows.cmake)
else()
    include(${CMAKE_CURRENT_LIST_DIR}/PackagingDebian.cmake)
endif()
include(CPack)
