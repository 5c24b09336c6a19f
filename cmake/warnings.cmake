# Compiler warnings for the project's own targets, as an INTERFACE target so
# that third-party code (GoogleTest) is built with its own settings.
add_library(standard_warnings INTERFACE)

if(MSVC)
  target_compile_options(standard_warnings INTERFACE /W4 /permissive-)
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
