# One switch turns AddressSanitizer and UndefinedBehaviorSanitizer on for the
# whole tree; undefined behaviour aborts so that a test cannot pass past it.
# Conversions of doubles beyond the range of the integer type are checked
# too: they are not part of -fsanitize=undefined.
if(ZV_SANITIZE)
    add_compile_options(-fsanitize=address,undefined,float-cast-overflow
                        -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()
