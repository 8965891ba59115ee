// The handlers of the two send buttons: by Fetion through the relay, and worldwide
// through the international web form.
#pragma once

void SendViaFetion();
void SendInternational();
