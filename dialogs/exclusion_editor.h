// The exclusion list editor: the captions the watch must never move, kept in
// the settings file as Except1, Except2, ...
#pragma once

#include <windows.h>

// Opens it modally over the main window; the list is in the file again
// (renumbered from Except1, without gaps) when it returns. Always -1.
INT_PTR OpenExclusionEditor(HWND mainWindow);

INT_PTR CALLBACK ExclusionEditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The caption most recently added, kept across openings; empty at start.
const char* LastAddedCaption();
