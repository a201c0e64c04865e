#include "exclusion_editor.h"

#include "../core/settings_file.h"
#include "../resources/resource.h"
#include "../shell/app_identity.h"
#include "../shell/control_state.h"
#include "../shell/texts.h"
#include "../shell/win32_window_system.h"

#include <cstring>

namespace {

const int kLongestCaption = 500;

char settingsPath[kPathSize];
char lastAddedCaption[kLongestCaption + 1];
bool closeRequested;  // a close request of this opening became IDCANCEL
bool listSaved;  // the list was written back during this opening
int entriesAtOpening;  // Except1..this were in the file when the editor opened

LRESULT ListMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendDlgItemMessageA(window, IDC_EXCL_LIST, message, wParam, lParam);
}

int EntryCount(HWND window) { return static_cast<int>(ListMessage(window, LB_GETCOUNT, 0, 0)); }

// Entry index into kPathSize bytes; false when it would not fit, which cannot
// happen with entries that were read or typed here.
bool ReadEntry(HWND window, int index, char* entry)
{
    const LRESULT length = ListMessage(window, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0 || length >= kPathSize)
        return false;
    ListMessage(window, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry));
    return true;
}

void AppendEntry(HWND window, const char* caption)
{
    // Index -1 appends even though the list box has the sorted style.
    ListMessage(window, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(caption));
}

// The keys stay in the file while the editor is open, so that a crash, a kill
// or the end of Windows cannot lose the list; they are only read here.
void LoadEntries(HWND window)
{
    Win32WindowSystem profile(nullptr);
    char entry[kPathSize];
    entriesAtOpening = 0;
    while (ReadExclusionEntry(profile, g_program.identity.appName, settingsPath, entriesAtOpening + 1, entry)) {
        AppendEntry(window, entry);
        ++entriesAtOpening;
    }
}

// Except1..n from the list, and the keys of the opening beyond n deleted: the
// file ends as if the keys had been taken out at opening and written back now.
void SaveExclusionList(HWND window)
{
    Win32WindowSystem profile(nullptr);
    const char* section = g_program.identity.appName;
    const int n = EntryCount(window);
    char key[24];
    char entry[kPathSize];
    for (int i = 1; i <= n; ++i) {
        if (!ReadEntry(window, i - 1, entry))
            continue;
        ExclusionKey(i, key, sizeof key);
        profile.WriteProfileValue(section, key, entry, settingsPath);
    }
    for (int i = n + 1; i <= entriesAtOpening; ++i) {
        ExclusionKey(i, key, sizeof key);
        profile.WriteProfileValue(section, key, nullptr, settingsPath);
    }
    listSaved = true;
}

BOOL Initialise(HWND window)
{
    SettingsPathOf(g_program.identity, settingsPath);
    closeRequested = false;
    listSaved = false;
    LoadEntries(window);
    if (EntryCount(window) > 0)
        ListMessage(window, LB_SETCURSEL, 0, 0);
    SendDlgItemMessageA(window, IDC_EXCL_EDIT, EM_LIMITTEXT, kLongestCaption, 0);
    // A full list takes no more: an Except1001 would never be read again.
    if (EntryCount(window) >= kMaxExclusionEntries)
        SetControlDisabled(GetDlgItem(window, IDC_EXCL_ADD), true);
    return TRUE;
}

void TakeEntryDown(HWND window)
{
    const LRESULT selected = ListMessage(window, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR)
        return;
    char entry[kPathSize];
    if (!ReadEntry(window, static_cast<int>(selected), entry))
        return;
    SetDlgItemTextA(window, IDC_EXCL_EDIT, entry);
    ListMessage(window, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    lastAddedCaption[0] = '\0';
    const int n = EntryCount(window);
    if (n == 0)
        SetControlDisabled(GetDlgItem(window, IDC_EXCL_TAKE), true);
    else if (n == kMaxExclusionEntries - 1)
        SetControlDisabled(GetDlgItem(window, IDC_EXCL_ADD), false);
}

void AddEntry(HWND window)
{
    char caption[kPathSize];
    GetDlgItemTextA(window, IDC_EXCL_EDIT, caption, sizeof caption);
    const size_t length = std::strlen(caption);
    if (length == 0 || length > kLongestCaption) {
        MessageBoxA(window, TEXT_BAD_CAPTION, CAPTION_ABORTED, MB_ICONWARNING);
        return;
    }
    if (std::strcmp(caption, lastAddedCaption) != 0) {
        AppendEntry(window, caption);
        std::memcpy(lastAddedCaption, caption, length + 1);
        const int n = EntryCount(window);
        if (n == 1)
            SetControlDisabled(GetDlgItem(window, IDC_EXCL_TAKE), false);
        else if (n >= kMaxExclusionEntries)
            SetControlDisabled(GetDlgItem(window, IDC_EXCL_ADD), true);
    }
    SetFocus(GetDlgItem(window, IDC_EXCL_EDIT));
}

void RequestClose(HWND window)
{
    if (closeRequested)
        return;
    closeRequested = true;
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
}

BOOL HandleCommand(HWND window, WORD command)
{
    switch (command) {
    case IDCANCEL:
        SaveExclusionList(window);
        EndDialog(window, -1);
        return TRUE;
    case IDC_EXCL_TAKE:
        TakeEntryDown(window);
        return TRUE;
    case IDC_EXCL_ADD:
        AddEntry(window);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

INT_PTR CALLBACK ExclusionEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    switch (message) {
    case WM_INITDIALOG:
        return Initialise(window);
    case WM_COMMAND:
        return HandleCommand(window, LOWORD(wParam));
    case WM_CLOSE:
        RequestClose(window);
        return TRUE;
    case WM_QUERYENDSESSION:
        RequestClose(window);
        return FALSE;
    case WM_DESTROY:
        // The program's quit ends the dialog without IDCANCEL.
        if (!listSaved)
            SaveExclusionList(window);
        return TRUE;
    }
    return FALSE;
}

INT_PTR OpenExclusionEditor(HWND owner)
{
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EXCLUSIONS), owner, ExclusionEditorProc, 0);
}

const char* LastAddedCaption() { return lastAddedCaption; }
