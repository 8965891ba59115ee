// A field of blanks is not empty: only the empty text stops a send.
#include "RequiredFields.h"

#include "ui/WindowOps.h"

bool CheckRequiredFields(std::span<const RequiredField> fields) {
    for (const RequiredField& field : fields) {
        if (TextCompare(GetText(MainWindow().Control(field.control)), "") == 0) {
            ShowMessage(field.message, 0, Text(field.title));
            return false;
        }
    }
    return true;
}
