// Steps shared by the wizard scenarios.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "wizard_driver.h"

namespace support {

// The page that follows `page` (the first one for null); it must carry `title`, else
// the test fails and the result is null.
inline HWND NextPageTitled(const WizardDriver& wizard, HWND page, const std::string& title) {
    HWND next = wizard.NextPage(page);
    std::string seen = next ? wizard.Title(next) : "(no page)";
    EXPECT_EQ(title, seen);
    return seen == title ? next : nullptr;
}

}  // namespace support
