#pragma once
// The six windows, created once in their fixed order and kept until the end. This is
// the one place that knows every window class: the main window knows the others only
// as windows, and each window is handed what it shares (the picture set, the settings).

// Makes the picture set and the settings, then frmMain, frmShow, frmAbout, frmSlide,
// frmOption and frmGenHTML in that order.
void CreateForms();

// Destroys them in the reverse order and clears the references, then what they shared.
void DestroyForms();
