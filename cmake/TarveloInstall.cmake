# What `cmake --install` puts under the prefix: the library, the public headers under one
# include prefix, the jar, a CMake package (tarvelo::tarvelo) and a pkg-config file.
include(CMakePackageConfigHelpers)
set(TARVELO_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/tarvelo)
set(TARVELO_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/tarvelo)

install(TARGETS tarvelo EXPORT tarvelo-targets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/nativepp DESTINATION ${TARVELO_INCLUDE_DIR}
    FILES_MATCHING PATTERN "*.h")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/proxies/ DESTINATION ${TARVELO_INCLUDE_DIR}
    FILES_MATCHING PATTERN "*.h")
install_jar(tarvelo-java DESTINATION ${CMAKE_INSTALL_DATADIR}/java)

install(EXPORT tarvelo-targets NAMESPACE tarvelo:: DESTINATION ${TARVELO_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/tarvelo-config.cmake.in
    ${PROJECT_BINARY_DIR}/tarvelo-config.cmake INSTALL_DESTINATION ${TARVELO_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/tarvelo-config-version.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/tarvelo-config.cmake ${PROJECT_BINARY_DIR}/tarvelo-config-version.cmake
    ${PROJECT_SOURCE_DIR}/cmake/i386-linux.cmake
    DESTINATION ${TARVELO_CMAKE_DIR})

# Relative to the .pc file, so that `cmake --install --prefix` elsewhere still works.
file(RELATIVE_PATH TARVELO_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
list(TRANSFORM JNI_INCLUDE_DIRS PREPEND -I OUTPUT_VARIABLE TARVELO_JNI_CFLAGS)
list(JOIN TARVELO_JNI_CFLAGS " " TARVELO_JNI_CFLAGS)
configure_file(${PROJECT_SOURCE_DIR}/cmake/tarvelo.pc.in ${PROJECT_BINARY_DIR}/tarvelo.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tarvelo.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
