# Dialogs: pair geometry and layouts natively; the windows under Wine.
halvane_native_test(dialogs_core_test
  SOURCES unit/dialogs/PairGeometryTest.cpp unit/dialogs/PromptLayoutTest.cpp
          unit/dialogs/ExecutePromptLayoutTest.cpp unit/dialogs/PremultiplyTest.cpp
  LIBS halvane_dialogs_core)
