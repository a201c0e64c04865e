// Drives the real modal windows of the program from inside their own message
// loops: every dialog or message box that opens on this thread runs the next
// queued script, from a thread timer, once its modal loop is running. A
// window that opens with no script queued is recorded and cancelled.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

struct SeenMessageBox {
    std::string text;
    std::string caption;
    std::string icon;  // "error", "warning", "question", "information" or ""
    HWND owner;
};

class ModalDriver {
public:
    // Windows of this handle (the main window) are not modal and never driven.
    explicit ModalDriver(HWND ignored = nullptr);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    void Then(std::function<void(HWND)> script);
    // Reads the message box into `seen` and presses `answer` (IDOK, IDYES, IDNO...).
    void ThenAnswerMessageBox(int answer, std::vector<SeenMessageBox>* seen = nullptr);

    std::vector<SeenMessageBox> messageBoxes;  // every message box seen
    int unexpected = 0;  // windows that opened with no script queued
    size_t pending() const { return scripts_.size(); }

    static SeenMessageBox ReadMessageBox(HWND box);
    static bool IsMessageBox(HWND window);

private:
    std::deque<std::function<void(HWND)>> scripts_;
};

// Presses a button of a dialog as a click would (WM_COMMAND from the control).
void PressButton(HWND dialog, int id);
// Text of a control (or window) in code page 932 bytes.
std::string TextOf(HWND window);
std::string ItemText(HWND dialog, int id);
