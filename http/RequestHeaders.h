// The request line's method and the header text that the web request routine sends: pure
// functions on Text, so that every rule is tested without a network.
#pragma once

#include "text/Text.h"

// "GET" unless the upper-cased method reads "POST", in which case the method is kept as given.
Text SettleMethod(const Text& method);

// Appends the browser-like Accept, Referer (the URL as given) and Accept-Language lines,
// each only when a case-insensitive search finds no "<name>: " in the text so far.
Text AddDefaultHeaders(const Text& headerText, const Text& url);

// Whether the body goes out as the request's data: a method other than "GET" and a body
// that is not empty. The method is the settled one.
bool SendsBody(const Text& method, const Text& body);

// Appends the Content-Type and Content-Length lines when the body is sent, else nothing.
Text AddBodyHeaders(const Text& headerText, const Text& method, const Text& body);
