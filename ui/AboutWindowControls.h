// The About window's controls by their names; the values are their window identifiers.
#pragma once

namespace about_window {

enum Control : int {
    分组框1 = 1001,
    标签7,
    标签1,
    标签2,
    标签3,
    标签4,
    标签8,
    分组框2,
    标签5,
    超级链接框1,
    标签6,
    超级链接框2,
};

} // namespace about_window
