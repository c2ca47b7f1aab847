# Every compiler flag of our own code lives on this one INTERFACE target.
add_library(sonvela_flags INTERFACE)
target_compile_features(sonvela_flags INTERFACE cxx_std_20)
target_compile_options(sonvela_flags INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor -Werror)
target_compile_definitions(sonvela_flags INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_URL_CAST_FROM_STRING QT_NO_KEYWORDS)
if(SONVELA_SANITIZE)
  target_compile_options(sonvela_flags INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(sonvela_flags INTERFACE -fsanitize=address,undefined)
endif()
if(SONVELA_FUZZ)
  # Coverage for the fuzzer on every library the targets link; the fuzzer's
  # own main is linked into the targets alone.
  target_compile_options(sonvela_flags INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(sonvela_flags INTERFACE -fsanitize=address,undefined)
endif()
