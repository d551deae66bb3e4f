# Every target of the project compiles warning-free; third-party headers are
# included as system headers and stay out of this.
add_library(zv_warnings INTERFACE)
target_compile_options(zv_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Werror
    -Wshadow -Wconversion -Wnon-virtual-dtor -Woverloaded-virtual
    -Wnull-dereference -Wimplicit-fallthrough)
