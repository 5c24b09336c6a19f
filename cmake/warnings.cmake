# Compiler warnings for the project's own targets, as an INTERFACE target so
# that third-party code (GoogleTest) is built with its own settings.
add_library(standard_warnings INTERFACE)

if(MSVC)
  target_compile_options(standard_warnings INTERFACE /W4 /permissive-)
  # The runtime's advice to use its own _s functions instead of the standard
  # ones (getenv, fopen) does not apply to portable code.
  target_compile_definitions(standard_warnings INTERFACE _CRT_SECURE_NO_WARNINGS)
  if(BRENNHOLTZGATE_WARNINGS_AS_ERRORS)
    target_compile_options(standard_warnings INTERFACE /WX)
  endif()
elseif(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(standard_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-qual
    -Wformat=2 -Wimplicit-fallthrough -Wundef)
  if(BRENNHOLTZGATE_WARNINGS_AS_ERRORS)
    target_compile_options(standard_warnings INTERFACE -Werror)
  endif()
endif()
