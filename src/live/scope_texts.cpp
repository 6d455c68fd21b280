#include "live/scope_texts.h"

const TextPair kTxtReportInitFailed = {"NI Report konnte nicht initialisiert werden...",
                                       "Could not initialize NI Reports..."};
const TextPair kTxtReportTitle = {"Screenshot des Scope-Bildschirms.", "Scope Screen Shot"};
const TextPair kTxtReportPanelId = {"Fenster ID:", "Panel ID: "};
const TextPair kTxtReportComment = {"Kommentar:", "Comment:"};
const TextPair kTxtPrintError = {"Druckfehler!", "Print error!"};
const TextPair kTxtPrintSuccessful = {"Ausdruck erfolgreich!", "Print successful!"};
