set(NORVIK_SANITIZER_FLAGS -fsanitize=address,undefined,float-cast-overflow,float-divide-by-zero
    -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
add_compile_options(${NORVIK_SANITIZER_FLAGS})
add_link_options(-fsanitize=address,undefined)
