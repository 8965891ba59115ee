// The hosts of the outside services, each "host" or "host:port" without a scheme. They
// are build settings (CMake cache variables); the demo and test builds use loopback.
#pragma once

extern const char kRelayHost[]; // Fetion relay
extern const char kFormHost[];  // international SMS form, also shown clipped in the window
extern const char kCallHost[];  // free-call page
extern const char kMakerHost[]; // the maker's site: statistics page and hyperlinks
extern const char kProbeHost[]; // the public site whose home page tells that we are online
