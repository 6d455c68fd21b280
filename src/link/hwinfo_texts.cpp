#include "link/hwinfo_texts.h"

const TextPair kHelpButtonGenHwInfoFile = {
    "Hardware Initialisierungs-Datei auf Festplatte speichern. \nSenden Sie diese Datei an den Hersteller "
    "fuer "
    "Support.",
    "Save Hardware Initial File to disk. \nSend this file to your supplier for assistance."};
