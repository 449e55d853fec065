// Steps shared by the wizard scenarios.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "names.h"
#include "process.h"
#include "wizard_driver.h"

namespace support {

// The page that `program` shows after `page` (the first one for null); it must carry
// `title`, else the test fails, saying what came instead, and the result is null.
inline HWND NextPageTitled(const WizardDriver& wizard, const Started& program, HWND page, const std::string& title) {
    std::string before = page ? "\"" + wizard.Title(page) + "\"" : "the start";
    HWND next = wizard.NextPage(page, &program);
    std::string seen = next ? wizard.Title(next) : "(no page)";
    EXPECT_EQ(title, seen) << "the page after " << before << "; " << program.Describe()
                           << "; windows on the screen: " << VisibleWindows();
    return seen == title ? next : nullptr;
}

}  // namespace support
