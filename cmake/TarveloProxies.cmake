# tarvelo_add_proxies(TARGET <target> CLASSPATH <jar or directory>... CLASSES <class>...
#                     [DEPENDS <target or file>...])
#
# Proxies of the Java classes named (binary names: com.example.Outer$Inner), compiled into
# <target>. At build time tarvelo-proxygen reads the classes with javap from the class path
# (Java_JAVAP_EXECUTABLE, or the javap of the JDK that find_package(Java) finds), writes their
# public fields, constructors and methods as a catalogue, <build dir>/<target>-proxies/catalogue.txt,
# and generates from it beside the catalogue; bases and types resolve against the library's own
# proxies (those of libtarvelo and of libtarvelo-common, which <target> then links) and
# against the other classes of the call. A nested class's proxy is Outer_Inner.
function(tarvelo_add_proxies)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "TARGET" "CLASSPATH;CLASSES;DEPENDS")
    if(NOT arg_TARGET OR NOT arg_CLASSPATH OR NOT arg_CLASSES OR arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "tarvelo_add_proxies(TARGET <target> CLASSPATH <path>... CLASSES <class>... [DEPENDS <dependency>...])")
    endif()
    get_property(proxygen GLOBAL PROPERTY TARVELO_PROXYGEN)
    get_property(catalogues GLOBAL PROPERTY TARVELO_CATALOGUES)
    if(NOT Java_JAVAP_EXECUTABLE)
        find_package(Java COMPONENTS Development REQUIRED)
        get_filename_component(jdk_bin "${Java_JAVAC_EXECUTABLE}" REALPATH)
        get_filename_component(jdk_bin "${jdk_bin}" DIRECTORY)
        find_program(Java_JAVAP_EXECUTABLE javap HINTS "${jdk_bin}" REQUIRED)
    endif()
    find_package(Python3 REQUIRED COMPONENTS Interpreter)

    set(out ${CMAKE_CURRENT_BINARY_DIR}/${arg_TARGET}-proxies)
    set(outputs ${out}/catalogue.txt)
    set(sources)
    foreach(class IN LISTS arg_CLASSES)
        string(REPLACE "." "/" path "${class}")
        string(REPLACE "$" "_" path "${path}")
        list(APPEND outputs ${out}/${path}.h ${out}/${path}.cpp)
        list(APPEND sources ${out}/${path}.cpp)
    endforeach()
    set(known)
    foreach(catalogue IN LISTS catalogues)
        list(APPEND known --known ${catalogue})
    endforeach()
    # Relative entries of the class path are taken from the source directory, as sources are.
    list(TRANSFORM arg_CLASSPATH PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ REGEX "^[^/$]")
    list(JOIN arg_CLASSPATH ":" classpath)
    # Unchanged files are not rewritten: the touch keeps make from running the command again.
    add_custom_command(OUTPUT ${outputs}
        COMMAND ${Python3_EXECUTABLE} ${proxygen} --out ${out} ${known} --javap ${Java_JAVAP_EXECUTABLE}
                --classpath ${classpath} ${arg_CLASSES}
        COMMAND ${CMAKE_COMMAND} -E touch ${outputs}
        DEPENDS ${proxygen} ${catalogues} ${arg_CLASSPATH} ${arg_DEPENDS}
        COMMENT "Proxies of ${arg_CLASSES}, from the catalogue ${out}/catalogue.txt"
        VERBATIM)
    target_sources(${arg_TARGET} PRIVATE ${sources})
    target_include_directories(${arg_TARGET} PUBLIC ${out})
    target_link_libraries(${arg_TARGET} PUBLIC tarvelo::common)
endfunction()
