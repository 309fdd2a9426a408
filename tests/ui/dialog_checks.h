#pragma once
// Checks that many dialog tests share: answering a message box, a refused
// OK, recording help requests.

#include <windows.h>

#include <string>
#include <vector>

#include "driver.h"

// Answers the next modal window, a message box of the program, with
// `button`, keeping its text in `shown`.
Driver::Action AnswerMessage(std::string& shown, int button = IDOK);

// Presses `button` expecting a refusal: `message` in a message box over the
// dialog, then the dialog still open with the focus on `focusBox` and its
// whole text selected. The focus is moved away first, so the refusal has to
// bring it back.
void ExpectRefusal(Driver& driver, ModalWindow& dialog, int button, const std::string& message, int focusBox);

// Records the help requests made while it lives, instead of starting the
// help engine.
class HelpRecorder {
public:
    struct Request {
        std::string file;
        UINT command;
        ULONG_PTR context;
        bool operator==(const Request&) const = default;
    };

    HelpRecorder();
    ~HelpRecorder();
    HelpRecorder(const HelpRecorder&) = delete;
    HelpRecorder& operator=(const HelpRecorder&) = delete;

    // The requests so far, then forgets them.
    std::vector<Request> Take();
};
