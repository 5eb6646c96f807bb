# libtarvelo.so: bridge, binding layer and proxies. The objects are built once, as an object
# library, so that the tests can link the internals that the shared library hides.
file(GLOB BRIDGE_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/bridge/*.cpp
    ${PROJECT_SOURCE_DIR}/bridge/${TARVELO_ARCH}/*.cpp ${PROJECT_SOURCE_DIR}/bridge/${TARVELO_ARCH}/*.S)
file(GLOB NATIVEPP_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/nativepp/*.cpp)
file(GLOB_RECURSE PROXY_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/proxies/java/*.cpp
    ${PROJECT_SOURCE_DIR}/proxies/javax/*.cpp)

add_library(tarvelo-objects OBJECT ${BRIDGE_SOURCES} ${NATIVEPP_SOURCES} ${PROXY_SOURCES})
set_target_properties(tarvelo-objects PROPERTIES
    CXX_VISIBILITY_PRESET hidden C_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
# bridge/<arch> holds the target's own headers, included by their plain names ("TargetAbi.h").
target_include_directories(tarvelo-objects PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}> $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/proxies>
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/bridge/${TARVELO_ARCH}> $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
    "$<BUILD_INTERFACE:${JNI_INCLUDE_DIRS}>")
# Calls inside the library bind to its own functions, without the PLT: under emulation every
# indirect jump costs about as much as a small function's body.
target_compile_options(tarvelo-objects PRIVATE -fno-semantic-interposition)
target_link_libraries(tarvelo-objects PUBLIC dl pthread)

add_library(tarvelo SHARED $<TARGET_OBJECTS:tarvelo-objects>)
add_library(tarvelo::tarvelo ALIAS tarvelo)
set_target_properties(tarvelo PROPERTIES
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR} EXPORT_NAME tarvelo)
# include/ for <tarvelo/tarvelo.h>, include/tarvelo for "nativepp/…", "java/…" and "javax/…".
target_include_directories(tarvelo PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}> $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/proxies>
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
    "$<BUILD_INTERFACE:${JNI_INCLUDE_DIRS}>"
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}> $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/tarvelo>)
target_link_libraries(tarvelo PRIVATE dl pthread)
target_link_options(tarvelo PRIVATE -Wl,--no-undefined -Wl,-z,noexecstack -Wl,-Bsymbolic-functions)

# libtarvelo-common.so, optional: the proxies of common exceptions, boxed primitives and
# collections (proxies/common.txt), which register beside those of libtarvelo when it loads.
file(GLOB_RECURSE COMMON_PROXY_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/proxies/common/*.cpp)
add_library(tarvelo-common SHARED ${COMMON_PROXY_SOURCES})
add_library(tarvelo::common ALIAS tarvelo-common)
set_target_properties(tarvelo-common PROPERTIES
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR} EXPORT_NAME common
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
target_include_directories(tarvelo-common PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/proxies/common>)
target_link_libraries(tarvelo-common PUBLIC tarvelo)
target_link_options(tarvelo-common PRIVATE -Wl,--no-undefined -Wl,-z,noexecstack)
