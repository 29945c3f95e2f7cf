#pragma once
// The six windows, created once in their fixed order and kept until the end.

// Creates frmMain, frmShow, frmAbout, frmSlide, frmOption and frmGenHTML in that order.
void CreateForms();

// Destroys them in the reverse order and clears the references.
void DestroyForms();
