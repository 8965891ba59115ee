// Addresses of the outside pages. The QQ contact is a placeholder of ours: the author's
// number and nickname are not published.
#include "Addresses.h"

#include "app/ServiceHosts.h"

namespace {
constexpr char kAuthorQqNumber[] = "10001";
constexpr char kAuthorNickname[] = "澜舟";
} // namespace

Text AddressText(Address address) {
    switch (address) {
    case Address::FormRoot:
        return TextConcat("http://", kFormHost);
    case Address::FreeCallPage:
        return TextConcat("http://", kCallHost, "/FreeCall-en_US.swf");
    case Address::MakerSite:
        return TextConcat(kMakerHost, "/soft");
    case Address::AuthorQq:
        return TextConcat(kAuthorQqNumber, "(", kAuthorNickname, ")");
    case Address::None:
        break;
    }
    return {};
}

Text LinkTarget(Address address) {
    switch (address) {
    case Address::MakerSite:
        return TextConcat("http://", AddressText(address));
    case Address::AuthorQq:
        return TextConcat("tencent://message/?uin=", kAuthorQqNumber);
    default:
        return AddressText(address);
    }
}
