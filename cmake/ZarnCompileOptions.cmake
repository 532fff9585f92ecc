# Warnings and sanitizers apply to every target of the project.
add_compile_options(-Wall -Wextra)

if(ZARN_SANITIZE STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
elseif(ZARN_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT ZARN_SANITIZE STREQUAL "")
  message(FATAL_ERROR "ZARN_SANITIZE must be empty, 'address' or 'thread'")
endif()

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
