# Compiler settings shared by every Mirvale target.
add_library(mirvale_options INTERFACE)
target_compile_options(mirvale_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow=local)
if(MIRVALE_WERROR)
  target_compile_options(mirvale_options INTERFACE -Werror)
endif()
target_compile_definitions(mirvale_options INTERFACE
  QT_NO_CONTEXTLESS_CONNECT
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_URL_CAST_FROM_STRING
  QT_DISABLE_DEPRECATED_UP_TO=0x060400)

if(MIRVALE_SANITIZE_ADDRESS)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(MIRVALE_SANITIZE_THREAD)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
