#include "modal_driver.h"

#include <deque>

namespace {

ModalDriver* activeDriver;
HHOOK hook;
HWND ignoredWindow;
std::deque<std::function<void(HWND)>>* queuedScripts;
std::deque<HWND> opened;

void CALLBACK RunNextScript(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (opened.empty())
        return;
    HWND window = opened.front();
    if (!IsWindow(window)) {
        opened.pop_front();
        return;
    }
    // A dialog is activated while still hidden (the focus goes to its first
    // control) and shown once its loop is idle: wait for that, within reason.
    static int waits;
    if (!IsWindowVisible(window) && ++waits < 500) {
        SetTimer(nullptr, 0, 10, RunNextScript);
        return;
    }
    waits = 0;
    opened.pop_front();
    if (ModalDriver::IsMessageBox(window))
        activeDriver->messageBoxes.push_back(ModalDriver::ReadMessageBox(window));
    if (queuedScripts->empty()) {
        ++activeDriver->unexpected;
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    std::function<void(HWND)> script = std::move(queuedScripts->front());
    queuedScripts->pop_front();
    script(window);
}

LRESULT CALLBACK WatchActivations(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char className[16] = "";
        GetClassNameA(window, className, sizeof className);
        bool known = false;
        for (HWND w : opened)
            known = known || w == window;
        if (window != ignoredWindow && lstrcmpA(className, "#32770") == 0 && !known &&
            GetPropA(window, "ModalDriver.seen") == nullptr) {
            SetPropA(window, "ModalDriver.seen", reinterpret_cast<HANDLE>(1));
            opened.push_back(window);
            SetTimer(nullptr, 0, 1, RunNextScript);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

std::string IconKind(HWND box)
{
    // The icon control is 0x14 on Windows and 0x440 in Wine.
    HICON icon = reinterpret_cast<HICON>(SendDlgItemMessageA(box, 0x14, STM_GETICON, 0, 0));
    if (!icon)
        icon = reinterpret_cast<HICON>(SendDlgItemMessageA(box, 0x440, STM_GETICON, 0, 0));
    if (!icon)
        return "";
    const struct {
        LPCSTR id;
        const char* name;
    } kinds[] = {{IDI_HAND, "error"}, {IDI_EXCLAMATION, "warning"}, {IDI_QUESTION, "question"}, {IDI_ASTERISK, "information"}};
    for (auto& k : kinds)
        if (LoadIconA(nullptr, k.id) == icon)
            return k.name;
    return "other";
}

}  // namespace

ModalDriver::ModalDriver(HWND ignored)
{
    activeDriver = this;
    ignoredWindow = ignored;
    queuedScripts = &scripts_;
    opened.clear();
    hook = SetWindowsHookExA(WH_CBT, WatchActivations, nullptr, GetCurrentThreadId());
}

ModalDriver::~ModalDriver()
{
    UnhookWindowsHookEx(hook);
    activeDriver = nullptr;
    queuedScripts = nullptr;
}

void ModalDriver::Then(std::function<void(HWND)> script) { scripts_.push_back(std::move(script)); }

void ModalDriver::ThenAnswerMessageBox(int answer, std::vector<SeenMessageBox>* seen)
{
    Then([answer, seen](HWND box) {
        if (seen)
            seen->push_back(ReadMessageBox(box));
        PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    });
}

bool ModalDriver::IsMessageBox(HWND window) { return GetDlgItem(window, 0xFFFF) != nullptr; }

SeenMessageBox ModalDriver::ReadMessageBox(HWND box)
{
    SeenMessageBox seen;
    seen.caption = TextOf(box);
    seen.text = ItemText(box, 0xFFFF);
    seen.icon = IconKind(box);
    seen.owner = GetWindow(box, GW_OWNER);
    return seen;
}

void PressButton(HWND dialog, int id)
{
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string TextOf(HWND window)
{
    char text[2048] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ItemText(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }
