# What `cmake --install` puts under the prefix: the library and the optional common one, the
# public headers under one include prefix, the jar, a CMake package (tarvelo::tarvelo,
# tarvelo::common, tarvelo_add_proxies) and a pkg-config file; the proxy generator with its
# catalogues. The libraries and both package files go to lib/<multiarch>, so that the x86-64
# and the i386 build share a prefix; headers, jar and generator are the same for both.
include(CMakePackageConfigHelpers)
set(TARVELO_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/tarvelo)
set(TARVELO_INCLUDE_DIR ${CMAKE_INSTALL_INCLUDEDIR}/tarvelo)

install(TARGETS tarvelo tarvelo-common EXPORT tarvelo-targets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/nativepp DESTINATION ${TARVELO_INCLUDE_DIR}
    FILES_MATCHING PATTERN "*.h")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/proxies/ DESTINATION ${TARVELO_INCLUDE_DIR}
    FILES_MATCHING PATTERN "*.h" PATTERN common EXCLUDE)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/proxies/common/ DESTINATION ${TARVELO_INCLUDE_DIR}
    FILES_MATCHING PATTERN "*.h")
install(FILES ${PROJECT_SOURCE_DIR}/proxies/catalogue.txt ${PROJECT_SOURCE_DIR}/proxies/common.txt
    DESTINATION ${CMAKE_INSTALL_DATADIR}/tarvelo)
# The generator's modules; check_catalogue.py serves the library's own tests only.
file(GLOB TARVELO_GENERATOR_MODULES ${PROJECT_SOURCE_DIR}/proxies/generator/*.py)
list(FILTER TARVELO_GENERATOR_MODULES EXCLUDE REGEX "check_catalogue[.]py$")
install(FILES ${TARVELO_GENERATOR_MODULES} DESTINATION ${CMAKE_INSTALL_DATADIR}/tarvelo/generator)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/proxies/generator/tarvelo-proxygen DESTINATION ${CMAKE_INSTALL_BINDIR})
# The bridge's C interface, included as <tarvelo/tarvelo.h>.
install(FILES ${PROJECT_SOURCE_DIR}/include/tarvelo/tarvelo.h DESTINATION ${TARVELO_INCLUDE_DIR})
install_jar(tarvelo-java DESTINATION ${CMAKE_INSTALL_DATADIR}/java)

install(EXPORT tarvelo-targets NAMESPACE tarvelo:: DESTINATION ${TARVELO_CMAKE_DIR})
set(TARVELO_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tarvelo)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/tarvelo-config.cmake.in
    ${PROJECT_BINARY_DIR}/tarvelo-config.cmake INSTALL_DESTINATION ${TARVELO_CMAKE_DIR}
    PATH_VARS CMAKE_INSTALL_BINDIR TARVELO_DATA_DIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/tarvelo-config-version.cmake
    COMPATIBILITY SameMajorVersion)
# The version file also refuses a consumer whose pointer size differs, beside the directory.
install(FILES ${PROJECT_BINARY_DIR}/tarvelo-config.cmake ${PROJECT_BINARY_DIR}/tarvelo-config-version.cmake
    ${PROJECT_SOURCE_DIR}/cmake/TarveloProxies.cmake DESTINATION ${TARVELO_CMAKE_DIR})
if(TARVELO_ARCH STREQUAL "i386")
    install(FILES ${PROJECT_SOURCE_DIR}/cmake/i386-linux.cmake DESTINATION ${TARVELO_CMAKE_DIR})
    set(TARVELO_PC_NOTE " (i386: compile and link with -m32)")
else()
    set(TARVELO_PC_NOTE "")
endif()

# Relative to the .pc file, so that `cmake --install --prefix` elsewhere still works.
file(RELATIVE_PATH TARVELO_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
list(TRANSFORM JNI_INCLUDE_DIRS PREPEND -I OUTPUT_VARIABLE TARVELO_JNI_CFLAGS)
list(JOIN TARVELO_JNI_CFLAGS " " TARVELO_JNI_CFLAGS)
configure_file(${PROJECT_SOURCE_DIR}/cmake/tarvelo.pc.in ${PROJECT_BINARY_DIR}/tarvelo.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/tarvelo.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
