// The field values are escaped: sent as typed, a space would break the request line and
// "&", "#", "+" or "%" would cut or corrupt the message on the server's side.
#include "Requests.h"

#include "Escape.h"

Text FetionRelayUrl(const Text& relayHost, const FetionFields& fields) {
    const Text base = TextConcat("http://", relayHost, "/message/fetion/fetion.php?username=");
    return TextConcat(
        base, EscapeForCount(fields.number), "&password=", EscapeForCount(fields.password),
        "&to=", EscapeForCount(fields.recipient), "&message=", EscapeForCount(fields.message));
}

Text InternationalFormBody(const InternationalFields& fields) {
    return TextConcat("phonenumber=", EscapeForCount(fields.countryCode),
                      EscapeForCount(fields.recipient),
                      "&submit_btn=Send&message=", EscapeForCount(fields.message),
                      "&verify=", EscapeForCount(fields.captcha));
}
