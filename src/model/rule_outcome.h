#pragma once
// What a dialog's OK (or another button the core decides on) leads to: a
// message first, when there is one, then the dialog either ends or stays
// open with the focus back on the refused box. Boxes are named by their
// control identifiers, which are fixed like the dialogs themselves.

#include "model/messages.h"

enum class DialogEnd {
    StaysOpen,
    Changed,    // the dialog ends with 1: its caller refreshes
    Unchanged,  // the dialog ends with 2, as after Cancel
};

struct RuleOutcome {
    const Message* message = nullptr;  // nullptr when nothing is shown
    DialogEnd end = DialogEnd::StaysOpen;
    int focus = 0;              // the box that gets the focus with its text selected; 0 for none
    bool emptiesFocus = false;  // the box is emptied first

    bool Closes() const { return end != DialogEnd::StaysOpen; }
};

// The dialog ends with 1, after the message when there is one.
inline RuleOutcome Accepted(const Message* message = nullptr) { return {message, DialogEnd::Changed}; }

// The message, then the focus back on `box`.
inline RuleOutcome Refused(const Message& message, int box, bool emptiesBox = false) {
    return {&message, DialogEnd::StaysOpen, box, emptiesBox};
}

// The message, and the dialog stays as it is.
inline RuleOutcome Failed(const Message& message) { return {&message}; }
