// The text of a failed serial open, with the remedy when the system refused access.
// Apart from the other texts because it is formatted in the current language, which
// the exchange's own texts (and the fuzz target that drives them) never need.
#include "link/link_texts.h"

#include <cstdio>

namespace
{

const TextPair kTxtSerialPermissionRemedy = {
    "\nKeine Berechtigung fuer %s.\nAbhilfe: Benutzer in die Gruppe \"%s\" aufnehmen "
    "(sudo usermod -aG %s $USER), dann neu anmelden.",
    "\nNo permission for %s.\nRemedy: make the user a member of the group \"%s\" "
    "(sudo usermod -aG %s $USER), then log in again."};
constexpr const char *kUsualSerialGroup = "dialout";

} // namespace

void FormatSerialOpenFailure(char *out, int size, int code, bool accessDenied, const char *device,
                             const char *group)
{
    if (!out || size <= 0)
        return;
    int used = std::snprintf(out, (size_t)size, "%s", Tr(SerialErrorText(code)));
    if (!accessDenied || used < 0 || used >= size)
        return;
    const char *owner = group && group[0] ? group : kUsualSerialGroup;
    std::snprintf(out + used, (size_t)(size - used), Tr(kTxtSerialPermissionRemedy), device ? device : "",
                  owner, owner);
}
