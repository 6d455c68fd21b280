#pragma once
// Every operator message exists as a German/English pair, chosen by the language
// index at the moment it is shown.

struct TextPair {
    const char *german;
    const char *english;
};

// The text of the current language; any index other than 0 counts as English, so a
// stray LANGUAGE value in the settings file never leaves a message without text.
const char *Tr(const TextPair &text);

// "Info!" / "Message!": the title of help, information and question pop-ups.
extern const TextPair kTxtInfoTitle;
// The help text of the close buttons of the graph and scope panels and of the offset page.
extern const TextPair kHelpClosePanel;

// Right-click help: a modal message pop-up titled "Info!" / "Message!".
void ShowHelpPopup(const TextPair &text);
// A control callback's answer to an event when the control offers only its help:
// the help pop-up on a right click, nothing for every other event.
void AnswerHelp(int event, const TextPair &help);
// The answer of a control that has an action: the help pop-up on a right click, the
// action on a commit, nothing for every other event.
void AnswerCommit(int event, const TextPair &help, void (*action)(void));
