# Wizard scenarios: add_wine_test entries for tests/e2e/wizard_*_test.cpp, one fresh
# machine each. A scenario passes only when its test ran to the end: a program ended
# from outside (a restart of Windows ends every process) reports no result.
function(add_wizard_test name filter)
  add_wine_test(${name} TARGET e2e_tests FILTER ${filter} ARCH win32 ${ARGN})
  set_tests_properties(${name} PROPERTIES
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] 1 test\\."
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
endfunction()

foreach(scenario Windows98WithoutReaderInstallsAtOnce WindowsMeRestartLater XpAsksForPnpDisk
        XpPnpModeFromSetupIni XpWithoutReader RemovalWithReader RemovalWithoutReader
        CancelFromWelcome CancelFromPnpDisk)
  add_wizard_test(e2e_wizard_${scenario} "WizardFlow.${scenario}")
endforeach()

# The pages in the system's language, one system per language.
foreach(case German:de_DE TraditionalChinese:zh_TW Japanese:ja_JP Russian:ru_RU Spanish:es_ES
        English:en_US SwissGermanInEnglish:de_CH AustrianGermanInEnglish:de_AT)
  string(REPLACE ":" ";" parts ${case})
  list(GET parts 0 scenario)
  list(GET parts 1 locale)
  add_wizard_test(e2e_wizard_language_${scenario} "WizardLanguage.${scenario}" LANG ${locale}.UTF-8)
endforeach()

# The restart ends the test program with everything else: the scenario passes when it
# clicked Finish and then never reported a result of its own.
add_wine_test(e2e_wizard_Windows98FinishRestartsWindows TARGET e2e_tests
              FILTER "WizardFlow.Windows98FinishRestartsWindows" ARCH win32)
set_tests_properties(e2e_wizard_Windows98FinishRestartsWindows PROPERTIES
  PASS_REGULAR_EXPRESSION "waiting for Windows to restart"
  FAIL_REGULAR_EXPRESSION "\\[  (PASSED|FAILED)  \\]|Failure")
