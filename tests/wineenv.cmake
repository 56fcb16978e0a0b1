halvane_win_test(wine_environment_tests
  SOURCES win/wineenv/WineEnvironmentTest.cpp
  LIBS gdi32)
