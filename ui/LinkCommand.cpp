// Builds the fallback command line for opening a link; the cut is at the first quoted
// "%1", else at the first bare %1, else the handler's command is used whole.
#include "LinkCommand.h"

#include "text/TextConvert.h"

Text LinkFallbackCommand(const Text& htmOpenCommand, const Text& target) {
    std::int32_t cut = TextFind(htmOpenCommand, "\"%1\"", std::nullopt, false);
    if (cut == -1) {
        cut = TextFind(htmOpenCommand, "%1", std::nullopt, false);
    }
    const Text program = cut == -1 ? htmOpenCommand : TextLeft(htmOpenCommand, cut - 1);
    return TextConcat(program, " ", target);
}
