# The Win tests' own toolkit (tests/win/support), checked under Wine.
halvane_win_test(win_support_test SOURCES win/support/ToolkitTest.cpp LIBS halvane_framework)
