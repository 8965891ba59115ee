// Opening a link through the ".htm" handler: the handler's command cut before its
// placeholder, then a blank and the target.
#include <gtest/gtest.h>

#include "ui/LinkCommand.h"

namespace {

struct CommandCase {
    const char* handler;
    const char* expected;
};

TEST(LinkFallbackCommand, CutsAtThePlaceholder) {
    const CommandCase cases[] = {
        {R"("C:\ie.exe" -nohome "%1")", R"("C:\ie.exe" -nohome  tencent://x)"},
        {R"(C:\ie.exe %1 -new)", R"(C:\ie.exe  tencent://x)"},
        {R"(C:\ie.exe "%1" and %1)", R"(C:\ie.exe  tencent://x)"},
        {R"(C:\ie.exe %1 "%1")", R"(C:\ie.exe %1  tencent://x)"}, // the quoted one first
        {R"(C:\ie.exe)", R"(C:\ie.exe tencent://x)"},
        {"", " tencent://x"},
    };
    for (const CommandCase& c : cases) {
        EXPECT_EQ(LinkFallbackCommand(c.handler, "tencent://x"), Text(c.expected)) << c.handler;
    }
}

} // namespace
