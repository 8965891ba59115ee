// The escape rule, the counter's figure and what the senders put on the wire: a server
// that decodes the query or form gets back exactly the bytes the user typed.
#include <gtest/gtest.h>

#include "send/Escape.h"
#include "send/Requests.h"

namespace {

struct EscapeCase {
    const char* text;
    const char* escaped;
};

TEST(EscapeForCount, KeepsTheSafeBytesAndEscapesEveryOther) {
    const EscapeCase cases[] = {
        {"a+b c", "a%2Bb%20c"},
        {"x*y,z", "x*y,z"},
        {"\n", "%0A"},
        {"\x01", "%01"},
        {"-./@_AZaz09", "-./@_AZaz09"},
        {"&=#%?~!", "%26%3D%23%25%3F%7E%21"},
        {"\xD6\xD0", "%D6%D0"}, // one GBK character: six characters
        {"\xFF\x80", "%FF%80"},
        {"", ""},
    };
    for (const EscapeCase& c : cases) {
        EXPECT_EQ(EscapeForCount(c.text), Text(c.escaped)) << c.text;
    }
}

TEST(CounterText, IsWhatIsLeftOf159) {
    EXPECT_EQ(CounterText(""), Text("159"));
    EXPECT_EQ(CounterText("ab "), Text("154"));
    EXPECT_EQ(CounterText("\xB6\xCC"), Text("153"));
    EXPECT_EQ(CounterText(Text(std::string(160, ' '))), Text("-321"));
}

TEST(FetionRelayUrl, JoinsTheEscapedFieldsInOrder) {
    EXPECT_EQ(FetionRelayUrl("relay.example:8080", {"138", "p w", "139", "hi"}),
              Text("http://relay.example:8080/message/fetion/fetion.php"
                   "?username=138&password=p%20w&to=139&message=hi"));
    // Without escaping, "&" and "#" would add keys or cut the query off.
    EXPECT_EQ(FetionRelayUrl("h", {"1", "a&to=2", "3", "x#y+z%"}),
              Text("http://h/message/fetion/fetion.php?username=1&password=a%26to%3D2&to=3"
                   "&message=x%23y%2Bz%25"));
}

TEST(InternationalFormBody, JoinsTheEscapedFieldsInOrder) {
    EXPECT_EQ(InternationalFormBody({"86", "13800000000", "hi", "ab12"}),
              Text("phonenumber=8613800000000&submit_btn=Send&message=hi&verify=ab12"));
    EXPECT_EQ(InternationalFormBody({"+1", "555 01", "\xC4\xE3 &", "x"}),
              Text("phonenumber=%2B1555%2001&submit_btn=Send&message=%C4%E3%20%26&verify=x"));
}

} // namespace
