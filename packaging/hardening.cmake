# The hardening Debian builds its own packages with (dpkg-buildflags): checked string and
# memory functions, stack protector, read-only relocations bound at start.
add_compile_options(-fstack-protector-strong)
# glibc warns about the checks without optimisation.
add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
add_link_options(LINKER:-z,relro LINKER:-z,now)
