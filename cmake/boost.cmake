# Boost is used for its headers only (String Algorithms, LexicalCast).
add_library(boost_headers INTERFACE)

if(CMAKE_CROSSCOMPILING AND CMAKE_HOST_UNIX)
  # The cross compiler must not see the host's /usr/include as a whole: give it
  # a folder that holds nothing but a link to the Boost headers.
  set(BRENNHOLTZGATE_BOOST_HEADERS /usr/include/boost CACHE PATH
      "The host's boost/ header folder, used by the cross build")
  if(NOT EXISTS ${BRENNHOLTZGATE_BOOST_HEADERS}/lexical_cast.hpp)
    message(FATAL_ERROR "Boost headers not found in ${BRENNHOLTZGATE_BOOST_HEADERS}")
  endif()
  set(boost_link_root ${CMAKE_BINARY_DIR}/boost-only)
  file(MAKE_DIRECTORY ${boost_link_root})
  file(CREATE_LINK ${BRENNHOLTZGATE_BOOST_HEADERS} ${boost_link_root}/boost SYMBOLIC)
  target_include_directories(boost_headers SYSTEM INTERFACE ${boost_link_root})
else()
  find_package(Boost 1.66 REQUIRED)
  target_link_libraries(boost_headers INTERFACE Boost::headers)
endif()
