#pragma once
// Checks that many dialog tests share: answering a message box or a file
// dialog, a refused OK, recording help requests.

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "shell/help.h"
#include "driver.h"

// Answers the next modal window, a message box of the program, with
// `button`, keeping its text in `shown`.
Driver::Action AnswerMessage(std::string& shown, int button = IDOK);

// Answers a common file dialog with `path`.
Driver::Action ChooseFile(const std::string& path);

// Presses `button` expecting a refusal: `message` in a message box over the
// dialog, then the dialog still open with the focus on `focusBox` and its
// whole text selected. The focus is moved away first, so the refusal has to
// bring it back.
void ExpectRefusal(Driver& driver, ModalWindow& dialog, int button, const std::string& message, int focusBox);

// Records the help requests made while it lives, instead of starting the
// help engine; each must name the program's help file.
class HelpRecorder {
public:
    using Request = std::pair<UINT, ULONG_PTR>;  // HELP_CONTEXT or HELP_CONTEXTPOPUP, and the topic

    HelpRecorder() {
        requests_.clear();
        SetHelpEngine(Record);
    }
    ~HelpRecorder() { SetHelpEngine(nullptr); }
    HelpRecorder(const HelpRecorder&) = delete;
    HelpRecorder& operator=(const HelpRecorder&) = delete;

    // The requests so far, then forgets them.
    std::vector<Request> Take() { return std::exchange(requests_, {}); }

private:
    static void Record(HWND, const std::string& file, UINT command, ULONG_PTR context);
    static inline std::vector<Request> requests_;
};
