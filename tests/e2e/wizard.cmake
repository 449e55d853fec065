# Wizard scenarios from tests/e2e/wizard_*_test.cpp, one fresh machine each.

foreach(scenario Windows98WithoutReaderInstallsAtOnce WindowsMeRestartLater XpAsksForPnpDisk
        XpPnpModeFromSetupIni XpWithoutReader RemovalWithReader RemovalWithoutReader LimitedUserIsToldAndNothingChanges
        CancelFromWelcome CancelFromPnpDisk)
  add_wine_test(e2e_wizard_${scenario} TARGET e2e_tests FILTER "WizardFlow.${scenario}" ARCH win32)
endforeach()

# From the laid sample disc on a CD in drive D:, then the Start menu's Uninstall.
add_wine_test(e2e_wizard_XpFromCdThenStartMenuUninstall TARGET e2e_tests
              FILTER "WizardFlow.XpFromCdThenStartMenuUninstall" ARCH win32 CDROM ${CMAKE_BINARY_DIR}/disc)

# The pages in the system's language, one system per language; a third field is a
# user's language apart from the system's, which must not count.
foreach(case German:de_DE:en_US TraditionalChinese:zh_TW Japanese:ja_JP Russian:ru_RU Spanish:es_ES
        English:en_US:de_DE SwissGermanInEnglish:de_CH AustrianGermanInEnglish:de_AT)
  string(REPLACE ":" ";" parts ${case})
  list(GET parts 0 scenario)
  list(GET parts 1 locale)
  set(user)
  list(LENGTH parts fields)
  if(fields EQUAL 3)
    list(GET parts 2 user)
    set(user USER_LANG ${user}.UTF-8)
  endif()
  add_wine_test(e2e_wizard_language_${scenario} TARGET e2e_tests FILTER "WizardLanguage.${scenario}"
                ARCH win32 LANG ${locale}.UTF-8 ${user})
endforeach()

# The restart ends the test program with everything else: the scenario passes when it
# clicked Finish and then never reported a result of its own.
add_wine_test(e2e_wizard_Windows98FinishRestartsWindows TARGET e2e_tests
              FILTER "WizardFlow.Windows98FinishRestartsWindows" ARCH win32)
set_tests_properties(e2e_wizard_Windows98FinishRestartsWindows PROPERTIES
  PASS_REGULAR_EXPRESSION "waiting for Windows to restart"
  FAIL_REGULAR_EXPRESSION "\\[  (PASSED|FAILED)  \\]|Failure")
