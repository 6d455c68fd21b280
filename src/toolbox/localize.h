#pragma once
// Panel localisation from language files. A language file is written in the INI
// store's format: one section per panel of the resource (its resource name, "MAINP"),
// one key per text of a control, keyed by the control's identifier:
//
//   TITLE                the panel's title
//   <id>                 the label, caption or message text of the control
//   <id> NAME            the accessible name, for controls whose name is not their label
//   <id> ITEM <n>        ring item n (from 0)
//   <id> COLUMN <n>      table column n (from 1)
//   <id> X AXIS, Y AXIS  graph axis names
//   <id> PAGE <n>        tab page n (from 0) of a tab control
//
// Controls on tab pages and child panels are keyed in the section of the panel that
// holds them, since identifiers are unique across the resource. A translator edits
// the quoted texts and nothing else.

#include <string>
#include <vector>

struct PanelText {
    std::string section;
    std::string key;
    std::string text;
    int panel;   // the panel or tab page that holds the control
    int control; // 0 for the panel's title
};

// Applies the file's texts to the panel, its tab pages and, recursively, its child
// panels: every text the file has, whatever the place shows now, so that a switch
// back restores texts another file changed. An empty text in the file is no
// translation. A missing or unreadable file changes nothing. Returns 0 or a negative code
// (the INI store's code of the failed read).
int LocalizePanel(int panel, const char *languageFile);

// Every text of the panel, its tab pages and its child panels as shown now, in the
// keys of the language file; empty texts and controls made at run time are left out.
std::vector<PanelText> CollectPanelTexts(int panel);

// Writes texts as a language file (0 or the INI store's negative code).
int WriteLanguageFile(const std::vector<PanelText> &texts, const char *path);
