# zv_add_layer(<name> SOURCES <files>... [LINKS <targets>...])
#
# One layer of the library as a static library: its headers are reached
# from src/ as "<folder>/<Unit>.h", and it links only the layers below it
# that it names, so a layer cannot lean on one above it without saying so
# here (tools/check-layers.sh checks the includes themselves).
function(zv_add_layer name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LINKS")
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src>
                                              $<INSTALL_INTERFACE:include/zv>)
    target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE $<BUILD_INTERFACE:zv_warnings>)
endfunction()
