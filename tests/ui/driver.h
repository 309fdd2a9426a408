#pragma once
// Runs the program inside the test process and hands each modal window it
// opens (found by a thread timer inside every modal loop) to the next queued
// action; one nobody expected is cancelled and reported instead of hanging.

#include <windows.h>
#include <commctrl.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "help_windows.h"
#include "shell/help.h"

class ModalWindow {
public:
    explicit ModalWindow(HWND window) : window_(window) {}

    HWND Handle() const { return window_; }
    std::string Title() const;
    // The text of a control; a message box's text is control 0xFFFF.
    std::string Text(int control) const;
    std::string MessageText() const { return Text(0xFFFF); }
    bool IsControlEnabled(int control) const;
    bool IsControlVisible(int control) const;

    void SetText(int control, const char* text);
    void Click(int control);
    // As a mouse click on a radio button: it is checked, then the dialog hears of it.
    void Choose(int radioButton);
    // Selects a combo box's entry or sets a date picker, without telling the dialog.
    void Select(int comboBox, int index);
    // As a click on a combo box's entry: it is selected, then the dialog hears of it.
    void Pick(int comboBox, int index);
    void SetDate(int datePicker, WORD year, WORD month, WORD day);

private:
    HWND window_;
};

class Driver {
public:
    using Action = std::function<void(ModalWindow&)>;

    // Start from no stored settings (so that tests do not see each other's) or from the last run's.
    enum class Settings { Fresh, Kept };

    // `atStart` answers the modal windows that start-up itself shows.
    explicit Driver(const char* commandLine = "", Settings settings = Settings::Fresh,
                    std::vector<Action> atStart = {});
    // Closes the frame if still open; fails the test for unused actions and unexpected modal windows.
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // What to do with the next modal window (a dialog, a message box or a popup
    // menu), after the actions queued before it; OnModalNext: ahead of them.
    void OnModal(Action action);
    void OnModalNext(Action action);

    // Sends a command to the frame as a menu choice does, with `modals` queued
    // (as OnModal) for the windows it opens; returns once it is handled, then
    // lets the messages it posted run.
    void Command(int command, std::vector<Action> modals = {});
    // Clicks `button` of `dialog` with `modals` ahead of every queued action
    // (as OnModalNext), in their order, for the windows the click opens.
    void Click(ModalWindow& dialog, int button, std::vector<Action> modals);

    // A key press with the given modifiers down (VK_CONTROL, VK_SHIFT, ...),
    // through the program's message loop and its accelerators.
    void PressKey(UINT virtualKey, std::vector<UINT> modifiers = {});

    int RunToEnd();

private:
    void Pump();
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    bool started_ = false;
    bool ended_ = false;
    UINT_PTR timer_ = 0;
    std::deque<Action> actions_;
    std::vector<HWND> acting_;  // windows whose action is running (nested modal loops)
    std::vector<std::string> unexpected_;  // title and text of each window nobody expected
    HWND waitingOn_ = nullptr;  // an unexpected window and how long it has been seen
    int waitedTicks_ = 0;
};

using Texts = std::vector<std::string>;

int ListRowCount(HWND list);
std::string ListCell(HWND list, int row, int column);
std::vector<std::string> ListRow(HWND list, int row);
std::vector<std::string> ColumnTexts(HWND list, int column);
// Selects and focuses one row of a list view (-1 clears the selection).
void SelectListRow(HWND list, int row);

// This process's fresh folder for data files (no trailing backslash), removed at exit.
const std::string& TestFolder();

inline constexpr char kSettingsKey[] = "Software\\Orvanel Software\\Pennywhist\\2.0";

Driver::Action AnswerMessage(std::string& shown, int button = IDOK);

inline Driver::Action Press(int button) {
    return [button](ModalWindow& window) { window.Click(button); };
}

inline Driver::Action EnterText(int box, std::string text) {
    return [box, text](ModalWindow& window) {
        window.SetText(box, text.c_str());
        window.Click(IDOK);
    };
}

Driver::Action ChooseFile(const std::string& path);

// Presses `button` expecting a refusal: a message box over the dialog (its
// text is the rule's, unit-tested), then the dialog still open with the focus
// on `focusBox` and its whole text selected. The focus is moved away first,
// so the refusal has to bring it back.
void ExpectRefusal(Driver& driver, ModalWindow& dialog, int button, int focusBox);

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
