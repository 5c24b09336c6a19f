# AddressSanitizer and UndefinedBehaviorSanitizer for the native build, applied
# to everything (GoogleTest included) so that container annotations agree.
if(BRENNHOLTZGATE_SANITIZE)
  if(MSVC OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    message(FATAL_ERROR "BRENNHOLTZGATE_SANITIZE needs GCC or Clang")
  endif()
  set(sanitizer_flags -fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_compile_options(${sanitizer_flags})
  add_link_options(${sanitizer_flags})
endif()
