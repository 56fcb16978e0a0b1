# Feedback library: pure parts natively (and fuzzed), loader and library under Wine.
halvane_native_test(feedback_unit_tests
  SOURCES unit/feedback/DottedVersionTest.cpp
          unit/feedback/UpdateManifestTest.cpp
          unit/feedback/WebAddressTest.cpp
          unit/feedback/FeedbackRecordTest.cpp
  LIBS halvane_feedbacklib_core)

halvane_fuzz_target(feedback_manifest_fuzz
  SOURCES fuzz/feedback/ManifestFuzz.cpp
  LIBS halvane_feedbacklib_core)
