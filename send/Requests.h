// What the two senders put on the wire, as pure functions of the fields: the relay's
// address for a Fetion send and the body of the international form.
#pragma once

#include "text/Text.h"

struct FetionFields {
    Text number, password, recipient, message;
};

struct InternationalFields {
    Text countryCode, recipient, message, captcha;
};

// "http://" relayHost "/message/fetion/fetion.php?username=..." with every value escaped.
Text FetionRelayUrl(const Text& relayHost, const FetionFields& fields);

// "phonenumber=" code number "&submit_btn=Send&message=" message "&verify=" captcha,
// every value escaped.
Text InternationalFormBody(const InternationalFields& fields);
