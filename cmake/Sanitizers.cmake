# One switch turns AddressSanitizer and UndefinedBehaviorSanitizer on for the
# whole tree; undefined behaviour aborts so that a test cannot pass past it.
if(ZV_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
