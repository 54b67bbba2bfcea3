# Every Windows test runs in this build's own Wine prefix, made once by the wine_prefix
# fixture: a fresh prefix takes Wine a good many seconds.
set(VELMORA_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(VELMORA_WINE_ENVIRONMENT "WINEPREFIX=${VELMORA_WINE_PREFIX}")
add_test(NAME wine_prefix
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/make_wine_prefix.sh ${CMAKE_CROSSCOMPILING_EMULATOR})
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix SKIP_RETURN_CODE 77
  ENVIRONMENT "${VELMORA_WINE_ENVIRONMENT}" TIMEOUT 300)
